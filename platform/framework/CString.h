// A byte string in the system's code page: lengths and positions count
// bytes, comparisons are exact and case-sensitive. May hold any byte but NUL
// where it is handed on as a C string.
#pragma once

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* s) : m_s(s ? s : "") {}
    CString(const char* s, int length) : m_s(s ? std::string(s, length > 0 ? static_cast<size_t>(length) : 0) : "") {}
    CString(const std::string& s) : m_s(s) {}
    CString(char ch, int repeat = 1) : m_s(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int index) const { return m_s[static_cast<size_t>(index)]; }
    char operator[](int index) const { return GetAt(index); }

    // The first count bytes, the last count, or count bytes from first; all
    // clamp to the string, so a negative count gives "".
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // Position of the byte or text, or -1.
    int Find(char ch) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;

    // Room for at least minLength bytes to write into; ReleaseBuffer(-1)
    // then takes the length up to the first NUL.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    operator const char*() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }

    CString& operator=(const char* s)
    {
        m_s = s ? s : "";
        return *this;
    }
    CString& operator+=(const CString& s)
    {
        m_s += s.m_s;
        return *this;
    }
    CString& operator+=(const char* s)
    {
        if (s)
            m_s += s;
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_s += ch;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_s + b.m_s); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_s + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_s); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_s + b); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const char* b) { return a.m_s == (b ? b : ""); }
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_s < b.m_s; }

private:
    std::string m_s;
};
