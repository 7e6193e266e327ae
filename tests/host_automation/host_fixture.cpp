#include "host_fixture.h"

#include "host/automation/wide_utf8.h"
#include "host/file/workbook_file.h"

namespace korvat::test {

WideText W(std::string_view utf8) { return host::automation::Utf8ToWide(utf8); }

std::string Narrow(const OLECHAR* text) {
  if (!text) return {};
  std::size_t n = 0;
  while (text[n]) ++n;
  return host::automation::WideToUtf8(WideView(text, n));
}

std::string HostTest::WorkbookText() const {
  return R"({"format": "korvat-workbook", "version": 1,
    "application": {"activeSheet": "WBS"},
    "sheets": [
      {"name": "WBS", "codeName": "wsWBS"},
      {"name": "Settings", "codeName": "wsSettings"}
    ]})";
}

void HostTest::SetUp() {
  InitializeCallLayer(false, true);
  SetErrorDisplay(false);
  auto loaded = host::file::LoadWorkbookFromText(WorkbookText());
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  host_ = std::make_unique<host::WorkbookHost>(std::move(loaded.workbook));
  book_ = host_->NewWorkbookObject();
}

void HostTest::TearDown() {
  book_.Reset();
  if (host_) {
    EXPECT_EQ(host_->LiveObjects(), 0) << "an adapter was not released";
  }
  UninitializeCallLayer(false);
}

Ref HostTest::Sheet(std::string_view name) {
  Ref sheet;
  const std::string text(name);
  GetValue(KV_W("o"), sheet.Put(), book_.Get(), KV_W(".Sheets(%s)"), text.c_str());
  return sheet;
}

Ref HostTest::Object(IDispatch* from, const OLECHAR* path) {
  Ref object;
  GetValue(KV_W("o"), object.Put(), from, path);
  return object;
}

double HostTest::Number(IDispatch* from, const OLECHAR* path) {
  double value = -12345.0;
  GetValue(KV_W("e"), &value, from, path);
  return value;
}

std::string HostTest::Text(IDispatch* from, const OLECHAR* path) {
  BstrOwner value;
  if (FAILED(GetValue(KV_W("S"), value.Put(), from, path))) return "<failed>";
  return host::automation::WideToUtf8(value.View());
}

std::int32_t HostTest::Int(IDispatch* from, const OLECHAR* path) {
  std::int32_t value = -12345;
  GetValue(KV_W("d"), &value, from, path);
  return value;
}

VariantOwner HostTest::Variant(IDispatch* from, const OLECHAR* path) {
  VariantOwner value;
  GetValue(KV_W("v"), value.Put(), from, path);
  return value;
}

HRESULT HostTest::LastErrorCode() const {
  const CallErrorRecord* record = ThreadErrorRecord();
  return record ? record->code : S_OK;
}

std::string HostTest::LastErrorDescription() const {
  const CallErrorRecord* record = ThreadErrorRecord();
  return record ? Narrow(record->description) : std::string();
}

}  // namespace korvat::test
