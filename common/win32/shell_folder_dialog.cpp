#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "common/win32/shell_folder_dialog.h"

namespace torvek::win32 {

namespace {

using dialog::FolderDialogClient;
using dialog::FolderDialogRequest;

constexpr char kSessionProperty[] = "TorvekFolderDialog";

// One run of the dialog: the window the caller acts on, and the subclass that hands it OK and
// the edit box's changes.
class BrowseSession : public dialog::FolderDialogWindow {
 public:
  explicit BrowseSession(FolderDialogClient& client) : client_(client) {}

  static int CALLBACK Callback(HWND dialog, UINT message, LPARAM lParam, LPARAM data) {
    auto* session = reinterpret_cast<BrowseSession*>(data);
    if (message == BFFM_INITIALIZED) {
      session->Attach(dialog);
      session->client_.OnInitialized(*session);
    } else if (message == BFFM_SELCHANGED && session->dialog_ != nullptr) {
      char path[MAX_PATH] = {};
      const bool taken =
          SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), path) != FALSE;
      session->client_.OnSelectionChanged(*session, taken, taken ? path : "");
    }
    return 0;
  }

  platform::WindowRef Ref() const override {
    return reinterpret_cast<platform::WindowRef>(dialog_);
  }

  void SetTitle(std::string_view title) override {
    SetWindowTextA(dialog_, std::string(title).c_str());
  }

  void EnableOk(bool enable) override { SendMessageA(dialog_, BFFM_ENABLEOK, 0, enable ? 1 : 0); }

  void SetStatusText(std::string_view text) override {
    const std::string status(text);
    SendMessageA(dialog_, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(status.c_str()));
  }

  void SetEditText(std::string_view text) override {
    if (edit_ != nullptr)
      SetWindowTextA(edit_, std::string(text).c_str());
  }

  std::string EditText() const override {
    if (edit_ == nullptr)
      return {};
    const int length = GetWindowTextLengthA(edit_);
    if (length <= 0)
      return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(edit_, text.data(), length + 1);
    return std::string(text.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
  }

  void FocusEdit() override {
    if (edit_ != nullptr)
      SetFocus(edit_);
  }

  void SelectFolder(std::string_view path) override {
    const std::string folder(path);
    SendMessageA(dialog_, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
  }

  void End(int result) override { EndDialog(dialog_, result); }

 private:
  // The subclass goes first, so that the edit box's notifications reach us from its creation
  // on; the status line gives way to the edit box, which sits just above the tree.
  void Attach(HWND dialog) {
    dialog_ = dialog;
    SetPropA(dialog_, kSessionProperty, this);
    shellProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    ShowWindow(GetDlgItem(dialog_, dialog::kIdFolderStatus), SW_HIDE);
    RECT tree{};
    GetWindowRect(GetDlgItem(dialog_, dialog::kIdFolderTree), &tree);
    POINT topLeft{tree.left, tree.top - 27};
    POINT bottomRight{tree.right, tree.top - 4};
    ScreenToClient(dialog_, &topLeft);
    ScreenToClient(dialog_, &bottomRight);
    edit_ = CreateWindowExA(
        WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
        topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y, dialog_,
        reinterpret_cast<HMENU>(dialog::kIdFolderEdit), GetModuleHandleA(nullptr), nullptr);
    if (edit_ == nullptr)
      return;
    ShowWindow(edit_, SW_SHOW);
    SendMessageA(edit_, WM_SETFONT, SendMessageA(dialog_, WM_GETFONT, 0, 0), TRUE);
  }

  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* session = static_cast<BrowseSession*>(GetPropA(window, kSessionProperty));
    if (session == nullptr)
      return DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC shellProc = session->shellProc_;
    if (message == WM_COMMAND) {
      if (LOWORD(wParam) == IDOK) {
        session->client_.OnOk(*session);
        return 0;
      }
      if (LOWORD(wParam) == dialog::kIdFolderEdit && HIWORD(wParam) == EN_CHANGE) {
        session->client_.OnEditChanged(*session);
        return 0;
      }
    } else if (message == WM_NCDESTROY) {
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(shellProc));
      RemovePropA(window, kSessionProperty);
      session->dialog_ = nullptr;
      session->edit_ = nullptr;
    }
    return CallWindowProcA(shellProc, window, message, wParam, lParam);
  }

  FolderDialogClient& client_;
  HWND dialog_ = nullptr;
  HWND edit_ = nullptr;
  WNDPROC shellProc_ = nullptr;
};

class ShellFolderDialogs : public dialog::FolderDialogs {
 public:
  bool Browse(const FolderDialogRequest& request, FolderDialogClient& client) override {
    // The shell's dialog wants COM on this thread; a thread that has it already keeps it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) {
      if (SUCCEEDED(com))
        CoUninitialize();
      return false;
    }
    BrowseSession session(client);
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = reinterpret_cast<HWND>(request.owner);
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = request.prompt.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = &BrowseSession::Callback;
    info.lParam = reinterpret_cast<LPARAM>(&session);
    // The returned item is never used: what was accepted is the edit box's text.
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (chosen != nullptr)
      allocator->Free(chosen);
    allocator->Release();
    if (SUCCEEDED(com))
      CoUninitialize();
    return true;
  }
};

}  // namespace

std::unique_ptr<dialog::FolderDialogs> MakeFolderDialogs() {
  return std::make_unique<ShellFolderDialogs>();
}

}  // namespace torvek::win32
