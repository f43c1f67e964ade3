#include "platform/framework/CString.h"

#include <algorithm>
#include <cstring>

CString CString::Left(int count) const
{
    if (count <= 0)
        return CString();
    return CString(m_s.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    if (count <= 0)
        return CString();
    size_t n = std::min(static_cast<size_t>(count), m_s.size());
    return CString(m_s.substr(m_s.size() - n));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (count <= 0 || static_cast<size_t>(first) >= m_s.size())
        return CString();
    return CString(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

int CString::Find(char ch) const
{
    size_t p = m_s.find(ch);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::Find(const char* sub, int start) const
{
    if (!sub || start < 0 || static_cast<size_t>(start) > m_s.size())
        return -1;
    size_t p = m_s.find(sub, static_cast<size_t>(start));
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(char ch) const
{
    size_t p = m_s.rfind(ch);
    return p == std::string::npos ? -1 : static_cast<int>(p);
}

char* CString::GetBuffer(int minLength)
{
    size_t want = minLength > 0 ? static_cast<size_t>(minLength) : 0;
    if (m_s.size() < want)
        m_s.resize(want, '\0');
    return m_s.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        m_s.resize(std::strlen(m_s.c_str()));
    else
        m_s.resize(std::min(static_cast<size_t>(newLength), m_s.size()));
}
