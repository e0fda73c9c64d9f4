#pragma once
// Small value types over the platform's POINT, SIZE and RECT.
#include <windows.h>

class CPoint : public POINT {
   public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    explicit CPoint(POINT p) : POINT(p) {}
    bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
    bool operator!=(const CPoint& other) const { return !(*this == other); }
};

class CSize : public SIZE {
   public:
    CSize() : SIZE{0, 0} {}
    CSize(int cx0, int cy0) : SIZE{cx0, cy0} {}
    explicit CSize(SIZE s) : SIZE(s) {}
};

class CRect : public RECT {
   public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    explicit CRect(const RECT& r) : RECT(r) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Left and top edges inside, right and bottom edges outside.
    BOOL PtInRect(POINT p) const { return ::PtInRect(this, p); }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const RECT& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
