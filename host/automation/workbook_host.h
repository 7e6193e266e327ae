#pragma once
// The headless workbook host: a workbook model answered through Automation
// adapters, with the instrumentation, fault injection and events that tests and
// the korvat command need. Every IDispatch it hands out is an adapter over the
// model; the caller releases each reference it receives.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "host/model/workbook.h"
#include "korvat/korvat.h"
#include "platform/com_ref.h"

namespace korvat::host {

namespace automation {
class HostContext;
}

// How an injected fault is seen by the caller: DISP_E_EXCEPTION with an
// EXCEPINFO, DISP_E_MEMBERNOTFOUND, or an allocation failure inside the host
// (std::bad_alloc thrown in the member, which the caller sees as the host's
// "Out of memory" error).
enum class FaultKind { Exception, MemberNotFound, OutOfMemory };
using RangeEventHandler = void(KV_CALL*)(IDispatch** range);

class WorkbookHost {
 public:
  explicit WorkbookHost(std::unique_ptr<Workbook> workbook);
  ~WorkbookHost();
  WorkbookHost(const WorkbookHost&) = delete;
  WorkbookHost& operator=(const WorkbookHost&) = delete;

  Workbook& Model();
  ComRef<IDispatch> NewWorkbookObject();  // a new reference in an owning handle

  // Instrumentation: every GetIDsOfNames and Invoke on any adapter of this host counts.
  std::int64_t TotalCalls() const;
  std::int64_t CallsOf(std::string_view member) const;  // member name, case-insensitive
  std::map<std::string, std::int64_t> CallsByMember() const;
  // The GetIDsOfNames among them (TotalCalls less these are the Invokes).
  std::int64_t NameLookups() const;
  std::map<std::string, std::int64_t> LookupsByMember() const;
  // Adapters handed out and not yet released (0 when every reference given out was released).
  std::int64_t LiveObjects() const;
  void ResetCounters();

  // Fault injection: the k-th Invoke counted from now (1 = the next) fails; or every Invoke
  // of a member name (without regard to case).
  void FailCall(std::int64_t k, FaultKind kind = FaultKind::Exception);
  void FailMember(std::string member, FaultKind kind = FaultKind::Exception);
  void ClearFaults();

  // Events, off by default. When on, a write through the object model to the worksheet whose
  // code name is "wsWBS" raises Change (the written range), and a Select or Activate of a
  // range there raises SelectionChange; both reach the handlers at once, re-entrantly, on
  // the calling thread. The handler receives the address of a variable holding the range.
  void SetEventHandlers(RangeEventHandler onChange, RangeEventHandler onSelectionChange);
  void EnableEvents(bool on);

  // What a user does on a worksheet (the one whose code name is given), as the host's own
  // interface would do it. Each answers false with a message when the sheet or the address
  // does not exist, and changes nothing then.
  //
  // Selects an A1 range ("B5", "8:9", "Y12:AA12"): it becomes the sheet's selection and,
  // with events on, SelectionChange is raised.
  bool SelectRange(std::string_view codeName, std::string_view address, std::string* error);
  // Types text into one cell through the object model, as a user's typing is stored: a
  // number text becomes a number, an empty text clears the cell; with events on, Change is
  // raised for the cell.
  bool TypeIntoCell(std::string_view codeName, std::string_view address, std::string_view text,
                    std::string* error);

 private:
  std::shared_ptr<automation::HostContext> context_;
};

}  // namespace korvat::host
