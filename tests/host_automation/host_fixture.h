#pragma once
// A WorkbookHost over a workbook given as file text, with the call layer set up, for
// driving member paths exactly as the library writes them. Each test releases what it
// was handed; the fixture checks at the end that no adapter is left alive.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "automation/call_error.h"
#include "platform/com.h"
#include "platform/bstr_owner.h"
#include "platform/com_ref.h"
#include "platform/variant_owner.h"
#include "automation/dispatch_call.h"
#include "host/automation/workbook_host.h"

namespace korvat::test {

// An owned IDispatch reference that releases itself.
using Ref = ComRef<IDispatch>;

// Text as the call layer takes it (UTF-16).
WideText W(std::string_view utf8);
std::string Narrow(const OLECHAR* text);

class HostTest : public ::testing::Test {
 protected:
  // The workbook of the test; by default two worksheets "WBS" (code name wsWBS) and
  // "Settings" (wsSettings).
  virtual std::string WorkbookText() const;

  void SetUp() override;
  void TearDown() override;

  // Objects reached from the workbook by a path (".Sheets(%s)" with the name).
  Ref Sheet(std::string_view name);
  Ref Object(IDispatch* from, const OLECHAR* path);
  // Reads through GetValue.
  double Number(IDispatch* from, const OLECHAR* path);
  std::string Text(IDispatch* from, const OLECHAR* path);  // "%S", UTF-8
  std::int32_t Int(IDispatch* from, const OLECHAR* path);
  VariantOwner Variant(IDispatch* from, const OLECHAR* path);   // caller clears

  // The code and description of the last failure the call layer recorded.
  HRESULT LastErrorCode() const;
  std::string LastErrorDescription() const;

  std::unique_ptr<host::WorkbookHost> host_;
  Ref book_;
};

}  // namespace korvat::test
