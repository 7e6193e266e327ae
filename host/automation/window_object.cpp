// Window: the active window's zoom and scroll position.

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/variant_values.h"
#include "host/model/workbook.h"

namespace korvat::host::automation {
namespace {

class WindowObject : public Adapter<WindowObject> {
 public:
  explicit WindowObject(ContextRef context) : Adapter(std::move(context)) {}
  static std::span<const Entry> Entries();

  Status GetZoom(Call& call) {
    SetNumber(call.Result(), Context().Book().App().zoom);
    return Ok();
  }
  Status PutZoom(Call& call) {
    const auto zoom = call.ValueDouble();
    if (!zoom || *zoom < 10 || *zoom > 400) return Fail("Unable to set the Zoom property of the Window class");
    Context().Book().App().zoom = *zoom;
    return Ok();
  }
  Status GetScrollRow(Call& call) {
    SetInt(call.Result(), Context().scrollRow);
    return Ok();
  }
  Status PutScrollRow(Call& call) {
    const auto row = call.ValueInt();
    if (!row || *row < 1 || *row > kMaxRows) return Fail("Unable to set the ScrollRow property of the Window class");
    Context().scrollRow = *row;
    return Ok();
  }
  Status GetScrollColumn(Call& call) {
    SetInt(call.Result(), Context().scrollColumn);
    return Ok();
  }
  Status PutScrollColumn(Call& call) {
    const auto col = call.ValueInt();
    if (!col || *col < 1 || *col > kMaxColumns)
      return Fail("Unable to set the ScrollColumn property of the Window class");
    Context().scrollColumn = *col;
    return Ok();
  }
};

constexpr WindowObject::Entry kWindowMembers[] = {
    {"Zoom", 0, &WindowObject::GetZoom, &WindowObject::PutZoom},
    {"ScrollRow", 0, &WindowObject::GetScrollRow, &WindowObject::PutScrollRow},
    {"ScrollColumn", 0, &WindowObject::GetScrollColumn, &WindowObject::PutScrollColumn},
};
std::span<const WindowObject::Entry> WindowObject::Entries() { return kWindowMembers; }

}  // namespace

DispatchRef NewWindowObject(ContextRef context) { return DispatchRef(new WindowObject(std::move(context))); }

}  // namespace korvat::host::automation
