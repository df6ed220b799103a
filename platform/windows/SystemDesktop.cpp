#include "platform/SystemDesktop.h"

#include "platform/TrayNotice.h"

#include <QCoreApplication>
#include <QDir>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

namespace kemurina {

namespace {

const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// The shortcut in the user's Startup folder; empty when the folder is unknown.
QString shortcutPath() {
    PWSTR folder = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_Startup, 0, nullptr, &folder)))
        return {};
    const QString path =
        QDir(QString::fromWCharArray(folder)).filePath(QStringLiteral("ケムリナ.lnk"));
    CoTaskMemFree(folder);
    return path;
}

// COM on this thread for as long as it lives (Qt may have started it already).
class ComScope {
  public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }

  private:
    HRESULT m_result;
};

template <typename Interface> struct Released {
    Interface* p = nullptr;
    ~Released() {
        if (p)
            p->Release();
    }
};

bool writeShortcut(const QString& path, const QString& program, const QString& workingFolder) {
    const ComScope com;
    Released<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link.p))))
        return false;
    const QString nativeProgram = QDir::toNativeSeparators(program);
    const QString nativeFolder = QDir::toNativeSeparators(workingFolder);
    Released<IPersistFile> file;
    return SUCCEEDED(link.p->SetPath(wide(nativeProgram))) &&
           SUCCEEDED(link.p->SetWorkingDirectory(wide(nativeFolder))) &&
           SUCCEEDED(link.p->SetIconLocation(wide(nativeProgram), 0)) &&
           SUCCEEDED(link.p->SetDescription(L"ケムリナ")) &&
           SUCCEEDED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) &&
           SUCCEEDED(file.p->Save(wide(QDir::toNativeSeparators(path)), TRUE));
}

} // namespace

// Windows shows notifications only from a notification-area icon: one of the program's own
// for the message's life.
bool SystemDesktop::notify(const QString& title, const QString& body, const QIcon& icon,
                           std::function<void()> onClicked) {
    auto* notice = m_notifiers.findChild<TrayNotice*>(QString(), Qt::FindDirectChildrenOnly);
    if (notice == nullptr)
        notice = new TrayNotice(icon, &m_notifiers);
    return notice->show(title, body, std::move(onClicked));
}

// The shortcut file itself through the shell's own calls: Qt treats a .lnk as a link and
// follows it to its target.
bool SystemDesktop::startsAtLogin() const {
    const QString path = shortcutPath();
    return !path.isEmpty() &&
           GetFileAttributesW(wide(QDir::toNativeSeparators(path))) != INVALID_FILE_ATTRIBUTES;
}

bool SystemDesktop::setStartsAtLogin(const QString& appDir, bool on) const {
    const QString path = shortcutPath();
    if (path.isEmpty())
        return false;
    if (!on)
        return DeleteFileW(wide(QDir::toNativeSeparators(path))) ||
               GetLastError() == ERROR_FILE_NOT_FOUND;
    return writeShortcut(path, QCoreApplication::applicationFilePath(), appDir);
}

} // namespace kemurina
