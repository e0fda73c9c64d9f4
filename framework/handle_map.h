#pragma once
// HandleMap: values looked up by window handle. A thread has a handful of
// windows, so a vector kept sorted by handle is smaller than a hash table
// and at least as fast.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

template <typename Value>
class HandleMap {
   public:
    // The value stored for `handle`, or null.
    Value* Find(HWND handle) {
        auto it = LowerBound(handle);
        return it != m_entries.end() && it->handle == handle ? &it->value : nullptr;
    }

    // The value stored for `handle`; a value-initialised one is added first
    // if there is none.
    Value& operator[](HWND handle) {
        auto it = LowerBound(handle);
        if (it == m_entries.end() || it->handle != handle) {
            it = m_entries.insert(it, Entry{handle, Value()});
        }
        return it->value;
    }

    // Removes the value for `handle`; false if there was none.
    bool Erase(HWND handle) {
        auto it = LowerBound(handle);
        if (it == m_entries.end() || it->handle != handle) return false;
        m_entries.erase(it);
        return true;
    }

    // Calls `visit(handle, value)` for every entry, in handle order.
    template <typename Visit>
    void ForEach(Visit visit) {
        for (Entry& entry : m_entries) visit(entry.handle, entry.value);
    }

    void Clear() { m_entries.clear(); }
    bool IsEmpty() const { return m_entries.empty(); }
    size_t GetCount() const { return m_entries.size(); }

   private:
    struct Entry {
        HWND handle;
        Value value;
    };

    typename std::vector<Entry>::iterator LowerBound(HWND handle) {
        return std::lower_bound(
            m_entries.begin(), m_entries.end(), handle,
            [](const Entry& entry, HWND key) { return std::less<HWND>()(entry.handle, key); });
    }

    std::vector<Entry> m_entries;
};
