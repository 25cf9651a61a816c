#pragma once

#include <map>

namespace terralore {

// Like controls form indexed arrays; indexes keep their design values and
// may have gaps (the menu's entries run 0 to 10 and 15 to 20).
template <class T> class ControlArray {
public:
    void add(int index, T *control) { m_items[index] = control; }
    T *operator[](int index) const
    {
        auto it = m_items.find(index);
        return it == m_items.end() ? nullptr : it->second;
    }
    bool contains(int index) const { return m_items.count(index) != 0; }
    int count() const { return int(m_items.size()); }

    // Iterates the controls in index order.
    template <class F> void forEach(F &&f) const
    {
        for (const auto &[index, control] : m_items)
            f(index, control);
    }

private:
    std::map<int, T *> m_items;
};

} // namespace terralore
