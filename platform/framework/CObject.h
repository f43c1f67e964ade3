// The root of the framework's classes: a virtual destructor, nothing more.
#pragma once

class CObject {
public:
    virtual ~CObject() = default;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
