// OLE for the thread that makes it (OleInitialize, OleUninitialize when it goes): the program's
// entry point holds one for the interface thread, on which pictures are loaded.
#pragma once

namespace torvek::win32 {

class OleSession {
 public:
  OleSession();
  ~OleSession();
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

  bool IsActive() const { return active_; }

 private:
  bool active_ = false;
};

}  // namespace torvek::win32
