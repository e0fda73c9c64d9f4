#include "scaled_picture.h"

#include "picture_fit.h"

namespace {

bool IsBitmapStatic(HWND control) {
    wchar_t className[16] = {};
    ::GetClassNameW(control, className, 16);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(control, GWL_STYLE));
    return lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_BITMAP;
}

// The static that shows a bitmap with its top-left corner at `origin` (in
// the dialog's client coordinates). Template pictures share IDC_STATIC, so
// the position is what tells them apart.
HWND FindBitmapStaticAt(HWND dialog, POINT origin) {
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsBitmapStatic(child)) continue;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        if (rect.left == origin.x && rect.top == origin.y) return child;
    }
    return nullptr;
}

int DialogDpi(CWnd& dialog) {
    CClientDC dc(&dialog);
    return ::GetDeviceCaps(dc, LOGPIXELSY);
}

}  // namespace

HWND CScaledPicture::Attach(CDialog& dialog, const CRect& templateRect) {
    CRect box = templateRect;
    dialog.MapDialogRect(box);
    const HWND picture = FindBitmapStaticAt(dialog.m_hWnd, POINT{box.left, box.top});
    if (picture == nullptr) return nullptr;

    const auto shown =
        reinterpret_cast<HBITMAP>(::SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    // A second call starts from the template's bitmap, not from our copy.
    if (shown == nullptr || shown == m_scaled.GetSafeHandle()) return picture;
    const CSize own = GetBitmapSize(shown);
    const PixelSize target = PictureDisplaySize(
        PixelSize{own.cx, own.cy}, PixelSize{box.Width(), box.Height()}, DialogDpi(dialog));
    if (target == PixelSize{own.cx, own.cy}) return picture;

    CBitmap copy;
    if (!copy.CreateResampled(shown, target.width, target.height)) return picture;
    // The static gives back the bitmap it showed. That is the template's own
    // (the control's to keep) unless the control had made a copy of its own,
    // which is then ours to delete.
    const auto previous = reinterpret_cast<HBITMAP>(::SendMessageW(
        picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(copy.GetSafeHandle())));
    if (previous != nullptr && previous != shown) ::DeleteObject(previous);
    m_scaled.Attach(copy.Detach());
    return picture;
}
