#include <windows.h>

#include <ole2.h>

#include "common/win32/ole_session.h"

namespace torvek::win32 {

OleSession::OleSession() : active_(SUCCEEDED(OleInitialize(nullptr))) {}

OleSession::~OleSession() {
  if (active_)
    OleUninitialize();
}

}  // namespace torvek::win32
