// The program as it ships, with three test seams set from the environment:
// the drive table (BRISOLA_E2E_C, BRISOLA_E2E_D), a log of every device
// command with its result (BRISOLA_E2E_MCI_LOG; commands still reach the real
// device), and a snapshot of the main dialog written every 50 ms
// (BRISOLA_E2E_STATE): texts, button looks, list selection, mci commands.
#include <FL/Fl.H>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/BrowserApp.h"
#include "platform/mci/Mci.h"
#include "platform/winapi/DriveMap.h"
#include "res/resource.h"
#include "sample/WaveSample.h"
#include "ui/BrowserDlg.h"

namespace {

constexpr double kSnapshotSeconds = 0.05;

class LoggingMci : public MciHandler {
public:
    explicit LoggingMci(std::string path) : m_path(std::move(path)) {}
    MCIERROR SendString(LPCSTR command, LPSTR ret, UINT len, HWND callback) override
    {
        SetMciHandler(nullptr);
        MCIERROR e = mciSendStringA(command, ret, len, callback);
        SetMciHandler(this);
        std::ofstream(m_path, std::ios::app) << command << " -> " << e << "\n";
        return e;
    }

private:
    std::string m_path;
};

std::string Looks(CBrowserDlg* d)
{
    std::string s;
    s += d->m_btnStop.m_hWnd && d->m_btnStop.m_hWnd->buttonState ? 'S' : 's';
    s += d->m_btnPlay.m_hWnd && d->m_btnPlay.m_hWnd->buttonState ? 'P' : 'p';
    s += d->m_btnContinue.m_hWnd && d->m_btnContinue.m_hWnd->buttonState ? 'C' : 'c';
    return s;
}

void Snapshot(void* data)
{
    const char* path = static_cast<const char*>(data);
    auto* d = dynamic_cast<CBrowserDlg*>(theApp.m_pMainWnd);
    if (d && d->m_hWnd) {
        HWND list = GetDlgItem(d->m_hWnd, IDC_FILE_LIST);
        std::string tmp = std::string(path) + ".tmp";
        {
            std::ofstream out(tmp);
            out << "path=" << GetDlgItem(d->m_hWnd, IDC_PATH)->text << "\n";
            out << "name=" << GetDlgItem(d->m_hWnd, IDC_SAMPLE_NAME)->text << "\n";
            out << "frequency=" << GetDlgItem(d->m_hWnd, IDC_FREQUENCY)->text << "\n";
            out << "resolution=" << GetDlgItem(d->m_hWnd, IDC_RESOLUTION)->text << "\n";
            out << "length=" << GetDlgItem(d->m_hWnd, IDC_LENGTH)->text << "\n";
            out << "looks=" << Looks(d) << "\n";
            out << "cursel=" << (list ? list->list->cursel : -2) << "\n";
            out << "count=" << (list ? list->list->items.size() : 0) << "\n";
            out << "selected=" << (list && list->list->cursel >= 0 ? list->list->items[list->list->cursel].text : "") << "\n";
            out << "playing=" << (d->m_pSample ? d->m_pSample->m_bPlaying : -1) << "\n";
        }
        std::rename(tmp.c_str(), path);
    }
    Fl::repeat_timeout(kSnapshotSeconds, Snapshot, data);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Drive> drives;
    if (const char* c = std::getenv("BRISOLA_E2E_C"))
        drives.push_back({'c', c});
    if (const char* dd = std::getenv("BRISOLA_E2E_D"))
        drives.push_back({'d', dd});
    if (!drives.empty())
        DriveMap::Install(drives);
    static LoggingMci* logger = nullptr;
    if (const char* log = std::getenv("BRISOLA_E2E_MCI_LOG")) {
        logger = new LoggingMci(log);
        SetMciHandler(logger);
    }
    if (const char* state = std::getenv("BRISOLA_E2E_STATE"))
        Fl::add_timeout(kSnapshotSeconds, Snapshot, const_cast<char*>(state));
    return BrisolaMain(argc, argv);
}
