#include "host/file/json_reader.h"

#include <cmath>
#include <cstdio>

namespace korvat::host::file {

void JsonReader::Push(const std::string& segment, bool index) {
  path_.push_back(index || path_.empty() ? segment : "." + segment);
}

std::string JsonReader::Path() const {
  std::string p;
  for (const auto& s : path_) p += s;
  if (!p.empty() && p.front() == '.') p.erase(0, 1);
  return p.empty() ? "(top level)" : p;
}

bool JsonReader::Fail(const std::string& message) {
  if (error_.empty()) error_ = Path() + ": " + message;
  return false;
}

bool JsonReader::ExpectObject(const Json& value) {
  return ok() && (value.is_object() || Fail("expected an object"));
}

bool JsonReader::ExpectArray(const Json& value) {
  return ok() && (value.is_array() || Fail("expected an array"));
}

bool JsonReader::OnlyKeys(const Json& object, std::initializer_list<const char*> allowed) {
  return OnlyKeys(object, std::vector<std::string>(allowed.begin(), allowed.end()));
}

bool JsonReader::OnlyKeys(const Json& object, const std::vector<std::string>& allowed) {
  if (!ok()) return false;
  for (auto it = object.begin(); it != object.end(); ++it) {
    bool known = false;
    for (const auto& a : allowed) known = known || it.key() == a;
    if (!known) return Fail("unknown member \"" + it.key() + "\"");
  }
  return true;
}

bool JsonReader::ReadNumber(const Json& value, double* out) {
  if (!ok()) return false;
  if (!value.is_number()) return Fail("expected a number");
  double d = value.get<double>();
  if (!std::isfinite(d)) return Fail("expected a finite number");
  *out = d;
  return true;
}

bool JsonReader::ReadInteger(const Json& value, int* out) {
  double d = 0;
  if (!ReadNumber(value, &d)) return false;
  if (d != std::floor(d) || d < -2147483648.0 || d > 2147483647.0) return Fail("expected an integer");
  *out = static_cast<int>(d);
  return true;
}

bool JsonReader::ReadBool(const Json& value, bool* out) {
  if (!ok()) return false;
  if (!value.is_boolean()) return Fail("expected true or false");
  *out = value.get<bool>();
  return true;
}

bool JsonReader::ReadString(const Json& value, std::string* out) {
  if (!ok()) return false;
  if (!value.is_string()) return Fail("expected a text");
  *out = value.get<std::string>();
  return true;
}

bool JsonReader::ReadColor(const Json& value, int* out) {
  if (!ok()) return false;
  if (value.is_number_integer()) {
    long long n = value.get<long long>();
    if (n < 0 || n > 0xFFFFFF) return Fail("colour number must be 0..16777215");
    *out = static_cast<int>(n);
    return true;
  }
  if (!value.is_string() || !ParseColorText(value.get<std::string>(), out))
    return Fail("expected a colour \"#RRGGBB\"");
  return true;
}

#define KV_MEMBER_READER(Name, Type, Reader)                              \
  bool JsonReader::Name(const Json& object, const char* key, Type* out) { \
    if (!ok()) return false;                                              \
    auto it = object.find(key);                                           \
    if (it == object.end()) return true;                                  \
    Scope scope(*this, std::string(key));                                 \
    return Reader(*it, out);                                              \
  }
KV_MEMBER_READER(Number, double, ReadNumber)
KV_MEMBER_READER(Integer, int, ReadInteger)
KV_MEMBER_READER(Bool, bool, ReadBool)
KV_MEMBER_READER(String, std::string, ReadString)
KV_MEMBER_READER(Color, int, ReadColor)
#undef KV_MEMBER_READER

std::string ColorText(int packed) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", packed & 0xFF, (packed >> 8) & 0xFF,
                (packed >> 16) & 0xFF);
  return buf;
}

bool ParseColorText(const std::string& text, int* packed) {
  if (text.size() != 7 || text[0] != '#') return false;
  int rgb[3];
  for (int i = 0; i < 3; ++i) {
    int v = 0;
    for (int k = 0; k < 2; ++k) {
      char c = text[static_cast<size_t>(1 + 2 * i + k)];
      int d = (c >= '0' && c <= '9') ? c - '0'
              : (c >= 'a' && c <= 'f') ? c - 'a' + 10
              : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                       : -1;
      if (d < 0) return false;
      v = v * 16 + d;
    }
    rgb[i] = v;
  }
  *packed = rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
  return true;
}

}  // namespace korvat::host::file
