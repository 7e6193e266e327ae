// The exported entry points. Each fixes the order of its steps and delegates the
// work; nothing may throw across this boundary.

#include "korvat/korvat.h"

#include "automation/call_error.h"
#include "automation/dispatch_call.h"
#include "frame/addin_state.h"

using namespace korvat;

extern "C" {

KV_API int32_t KV_CALL kvInit(void) {
  InitializeCallLayer(true, true);
  SetErrorDisplay(false);
  ReleaseAddinState();
  CreateAddinRecords();
  return 0;
}

KV_API void KV_CALL kvQuit(void) {
  UninitializeCallLayer(false);
  State().resources.Clear(true);
  State().calendarDays.Clear(true);
  ReleaseAddinState();
}

KV_API int32_t KV_CALL kvSetWorkBook(IDispatch** workbook) {
  BindWorkbook(workbook ? *workbook : nullptr);
  return 0;
}

}  // extern "C"
