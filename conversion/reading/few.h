// A few values kept where they are made, as many as a reading can give: the readings of a
// line, the numbers a word begins.
#pragma once

#include <array>
#include <cstddef>

namespace tempidex {

// A few values, as many as a reading can give: kept where they are made, never allocated.
template <typename T, std::size_t N> class Few {
public:
    void push_back(const T &value) {
        if (m_size < N)
            m_items[m_size++] = value;
    }
    bool empty() const { return m_size == 0; }
    std::size_t size() const { return m_size; }
    const T &operator[](std::size_t i) const { return m_items[i]; }
    const T &front() const { return m_items[0]; }
    T &front() { return m_items[0]; }
    const T *begin() const { return m_items.data(); }
    const T *end() const { return m_items.data() + m_size; }
    T *begin() { return m_items.data(); }
    T *end() { return m_items.data() + m_size; }

private:
    std::array<T, N> m_items; // only the first m_size are ever set
    std::size_t m_size = 0;
};

} // namespace tempidex
