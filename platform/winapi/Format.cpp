#include "platform/winapi/Format.h"

#include <cstdarg>
#include <cstring>
#include <string>

namespace {

constexpr size_t kMaxOutputBytes = 1024;

std::string Digits(uint32_t v, unsigned base, bool upper)
{
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string s;
    do {
        s.insert(s.begin(), set[v % base]);
        v /= base;
    } while (v);
    return s;
}

} // namespace

int wsprintfA(LPSTR buffer, LPCSTR format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::string out;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        bool left = false, zero = false;
        for (;; ++p) {
            if (*p == '-')
                left = true;
            else if (*p == '0')
                zero = true;
            else
                break;
        }
        size_t width = 0;
        while (*p >= '0' && *p <= '9')
            width = width * 10 + static_cast<size_t>(*p++ - '0');
        while (*p == 'l' || *p == 'h')
            ++p;   // every integer is 32 bits wide here
        std::string field;
        switch (*p) {
        case 'u': field = Digits(va_arg(ap, unsigned int), 10, false); break;
        case 'd':
        case 'i': {
            int v = va_arg(ap, int);
            field = v < 0 ? "-" + Digits(0u - static_cast<uint32_t>(v), 10, false) : Digits(static_cast<uint32_t>(v), 10, false);
            break;
        }
        case 'x': field = Digits(va_arg(ap, unsigned int), 16, false); break;
        case 'X': field = Digits(va_arg(ap, unsigned int), 16, true); break;
        case 'c': field = std::string(1, static_cast<char>(va_arg(ap, int))); break;
        case 's': {
            const char* s = va_arg(ap, const char*);
            field = s ? s : "(null)";
            break;
        }
        case '%': field = "%"; break;
        case '\0': --p; break;
        default: field = std::string("%") + *p; break;
        }
        if (field.size() < width) {
            size_t pad = width - field.size();
            if (left)
                field.append(pad, ' ');
            else if (zero && *p != 's' && *p != 'c')
                field.insert(field[0] == '-' ? 1 : 0, pad, '0');
            else
                field.insert(0, pad, ' ');
        }
        out += field;
    }
    va_end(ap);
    if (out.size() > kMaxOutputBytes - 1)
        out.resize(kMaxOutputBytes - 1);
    std::memcpy(buffer, out.c_str(), out.size() + 1);
    return static_cast<int>(out.size());
}
