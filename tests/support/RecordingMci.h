// Stands in for the media-control interface: records every command string
// with its callback window and fails the commands a test names. Installs
// itself for its lifetime.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/mci/Mci.h"

class RecordingMci : public MciHandler {
public:
    struct Sent {
        std::string command;
        HWND callback;
    };

    RecordingMci() { m_previous = SetMciHandler(this); }
    ~RecordingMci() override { SetMciHandler(m_previous); }

    MCIERROR SendString(LPCSTR command, LPSTR, UINT, HWND callback) override
    {
        sent.push_back({command, callback});
        auto it = failures.find(command);
        return it == failures.end() ? 0 : it->second;
    }

    std::vector<std::string> Commands() const
    {
        std::vector<std::string> v;
        for (const Sent& s : sent)
            v.push_back(s.command);
        return v;
    }

    std::vector<Sent> sent;
    std::map<std::string, MCIERROR> failures;   // command -> error code

private:
    MciHandler* m_previous = nullptr;
};

// Records message boxes instead of showing them, for its lifetime.
#include "platform/framework/MessageBox.h"

class RecordingMessageBoxes {
public:
    RecordingMessageBoxes()
    {
        m_previous = SetMessageBoxPresenter([this](const CString& caption, const CString& text, UINT type) {
            shown.push_back(text.str());
            captions.push_back(caption.str());
            types.push_back(type);
            return IDOK;
        });
    }
    ~RecordingMessageBoxes() { SetMessageBoxPresenter(std::move(m_previous)); }

    std::vector<std::string> shown;
    std::vector<std::string> captions;
    std::vector<UINT> types;

private:
    MessageBoxPresenter m_previous;
};
