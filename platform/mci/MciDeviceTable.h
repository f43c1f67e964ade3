// The open devices by alias, and the dispatch of parsed commands to them.
// Aliases compare without case. Commands come from the UI thread; the
// table's lock only keeps a stray call from another thread safe.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/mci/MciCommandParser.h"
#include "platform/mci/WaveAudioDevice.h"

class MciDeviceTable {
public:
    static MciDeviceTable& Instance();

    // returnString arrives emptied by the dispatcher.
    MCIERROR Execute(const MciCommand& command, LPSTR returnString, UINT returnLength, HWND callback);
    // Closes every device (tests, shutdown).
    void CloseAll();

private:
    MciDeviceTable() = default;
    ~MciDeviceTable();

    MCIERROR Open(const MciCommand& command);
    static MCIERROR Status(const WaveAudioDevice& device, MciCommand::StatusItem item, LPSTR returnString, UINT returnLength);

    std::mutex m_lock;
    std::map<std::string, std::unique_ptr<WaveAudioDevice>> m_devices;
    DWORD m_nextId = 1;
};
