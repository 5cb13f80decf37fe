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

// A label's characters (of a LabelTextPtr).
template <typename Label>
std::string Text(const Label& label) {
    return std::string(label->text, label->length);
}

// The screen sizes a lecture meets, from an old projector to 4K and two portrait screens.
struct LectureSize {
    int width, height;
};
inline constexpr LectureSize kLectureSizes[] = {{640, 480},   {800, 600},   {1024, 768},  {1280, 720},
                                                {1366, 768},  {1920, 1080}, {1920, 1200}, {2560, 1440},
                                                {3840, 2160}, {768, 1024},  {1080, 1920}};

// A 64-bit FNV-1a digest of worked numbers, for pinning every layout at every size in one line; the test
// prints the numbers themselves when it differs.
inline unsigned long long Fingerprint(const std::string& s) {
    unsigned long long h = 14695981039346656037ull;
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return h;
}
