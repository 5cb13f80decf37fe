// Worked numbers as one line, so that a test states a layout in one place and a failure shows which moved:
// Numbers(l.mx, l.plot, box) gives "38 (1344,398 538x369) [38,38 429,429]" for a number, a rect and a box.
#pragma once

#include <sstream>
#include <string>

namespace worked {
template <typename T>
auto Put(std::ostream& o, const T& v, int) -> decltype(v.width, void()) {
    o << '(' << v.x << ',' << v.y << ' ' << v.width << 'x' << v.height << ')';
}
template <typename T>
auto Put(std::ostream& o, const T& v, long) -> decltype(v.y, void()) {
    o << '(' << v.x << ',' << v.y << ')';
}
template <typename T>
auto Put(std::ostream& o, const T& v, long) -> decltype(v.bottom, void()) {
    o << '[' << v.left << ',' << v.top << ' ' << v.right << ',' << v.bottom << ']';
}
template <typename T>
auto Put(std::ostream& o, const T& v, ...) -> decltype(o << v, void()) {
    o << v;
}
}  // namespace worked

template <typename... T>
std::string Numbers(const T&... values) {
    std::ostringstream o;
    ((worked::Put(o, values, 0), o << ' '), ...);
    std::string s = o.str();
    return s.substr(0, s.size() - (s.empty() ? 0 : 1));
}
