#include "platform/mci/MciDeviceTable.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>

#include "platform/winapi/DriveMap.h"
#include "platform/winapi/PostedQueue.h"

namespace {

std::string Key(const std::string& alias)
{
    std::string k = alias;
    for (char& c : k)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return k;
}

MCIERROR Answer(const std::string& text, LPSTR returnString, UINT returnLength)
{
    if (!returnString || returnLength <= text.size())
        return MCIERR_PARAM_OVERFLOW;
    std::memcpy(returnString, text.c_str(), text.size() + 1);
    return 0;
}

const char* ModeText(WaveAudioDevice::Mode mode)
{
    switch (mode) {
    case WaveAudioDevice::Mode::Playing: return "playing";
    case WaveAudioDevice::Mode::Stopped: return "stopped";
    case WaveAudioDevice::Mode::Paused: return "paused";
    case WaveAudioDevice::Mode::NotReady: break;
    }
    return "not ready";
}

} // namespace

MciDeviceTable& MciDeviceTable::Instance()
{
    // Devices post into the queue from the output thread, so the queue must
    // outlive the table: building it first makes it go last at exit.
    QuitRequested();
    static MciDeviceTable table;
    return table;
}

MciDeviceTable::~MciDeviceTable()
{
    CloseAll();
}

void MciDeviceTable::CloseAll()
{
    std::map<std::string, std::unique_ptr<WaveAudioDevice>> devices;
    {
        std::lock_guard<std::mutex> g(m_lock);
        devices.swap(m_devices);
    }
    devices.clear();
}

MCIERROR MciDeviceTable::Execute(const MciCommand& command, LPSTR returnString, UINT returnLength, HWND callback)
{
    if (command.verb == MciCommand::Verb::Open)
        return Open(command);

    std::lock_guard<std::mutex> g(m_lock);
    auto it = m_devices.find(Key(command.alias));
    if (it == m_devices.end())
        return MCIERR_INVALID_DEVICE_NAME;
    WaveAudioDevice& device = *it->second;
    const DWORD id = device.Id();
    MCIERROR err = 0;
    switch (command.verb) {
    case MciCommand::Verb::Play:
        return device.Play(command.hasFrom, command.fromMs, command.notify ? callback : nullptr);
    case MciCommand::Verb::Resume:
        return device.Play(false, 0, command.notify ? callback : nullptr);
    case MciCommand::Verb::Stop:
    case MciCommand::Verb::Pause:
        err = device.Stop(command.verb == MciCommand::Verb::Pause);
        break;
    case MciCommand::Verb::Close:
        m_devices.erase(it);
        break;
    case MciCommand::Verb::Status:
        return Status(device, command.item, returnString, returnLength);
    case MciCommand::Verb::Open:
        break;
    }
    // These finish at once, so their notice does too.
    if (!err && command.notify && callback)
        PostMessageA(callback, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, static_cast<LPARAM>(id));
    return err;
}

MCIERROR MciDeviceTable::Open(const MciCommand& command)
{
    const std::string key = Key(command.alias);
    DWORD id;
    {
        std::lock_guard<std::mutex> g(m_lock);
        if (m_devices.count(key))
            return MCIERR_DUPLICATE_ALIAS;
        id = m_nextId++;
    }
    std::optional<std::string> posix = DriveMap::Current().ToPosix(command.file);
    if (!posix)
        return MCIERR_FILE_NOT_FOUND;
    auto device = std::make_unique<WaveAudioDevice>(id);
    MCIERROR err = device->Open(*posix);
    if (err)
        return err;
    std::lock_guard<std::mutex> g(m_lock);
    if (m_devices.count(key))
        return MCIERR_DUPLICATE_ALIAS;
    m_devices.emplace(key, std::move(device));
    return 0;
}

MCIERROR MciDeviceTable::Status(const WaveAudioDevice& device, MciCommand::StatusItem item, LPSTR returnString, UINT returnLength)
{
    switch (item) {
    case MciCommand::StatusItem::Mode:
        return Answer(ModeText(device.CurrentMode()), returnString, returnLength);
    case MciCommand::StatusItem::Position:
        return Answer(std::to_string(device.PositionMs()), returnString, returnLength);
    case MciCommand::StatusItem::Length:
        return Answer(std::to_string(device.LengthMs()), returnString, returnLength);
    case MciCommand::StatusItem::None:
        break;
    }
    return MCIERR_MISSING_PARAMETER;
}
