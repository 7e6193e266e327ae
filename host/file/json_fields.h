#pragma once
// Tables that bind the members of a plain model struct to JSON member names, so one table
// serves both reading and writing. Writing is sparse: a member equal to the default is left out.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "host/file/json_reader.h"

namespace korvat::host::file {

// A number as the file writes it: whole values as integers ("15", not "15.0"). The
// model refuses infinities and NaN at its doors; should one get in, it is written as
// 0, so the file still loads (its reader refuses them).
inline JsonOut NumberJson(double d) {
  if (!std::isfinite(d)) return JsonOut(0);
  if (d == std::floor(d) && std::fabs(d) < 9007199254740992.0) return JsonOut(static_cast<int64_t>(d));
  return JsonOut(d);
}

// Appends a member the object does not hold yet. The ordered object's own insertion
// looks for the key first, which would make writing a sheet of n cells cost n squared.
inline void AppendMember(JsonOut& object, std::string key, JsonOut value) {
  if (!object.is_object()) object = JsonOut::object();
  auto& members = object.get_ref<JsonOut::object_t&>();
  static_cast<std::vector<std::pair<const std::string, JsonOut>>&>(members).emplace_back(std::move(key),
                                                                                        std::move(value));
}

template <typename T>
struct Field {
  enum class Kind { Number, Integer, Bool, Text, Color };
  const char* key;
  Kind kind;
  double T::*number = nullptr;
  int T::*integer = nullptr;  // Integer and Color
  bool T::*flag = nullptr;
  std::string T::*text = nullptr;

  static Field Num(const char* k, double T::*m) { return {k, Kind::Number, m}; }
  static Field Int(const char* k, int T::*m) { return {k, Kind::Integer, nullptr, m}; }
  static Field Rgb(const char* k, int T::*m) { return {k, Kind::Color, nullptr, m}; }
  static Field Flag(const char* k, bool T::*m) { return {k, Kind::Bool, nullptr, nullptr, m}; }
  static Field Str(const char* k, std::string T::*m) {
    return {k, Kind::Text, nullptr, nullptr, nullptr, m};
  }
};

template <typename T>
void WriteFields(JsonOut& out, const T& value, const T& defaults, const std::vector<Field<T>>& fields) {
  for (const auto& f : fields) {
    switch (f.kind) {
      case Field<T>::Kind::Number:
        if (value.*f.number != defaults.*f.number) out[f.key] = NumberJson(value.*f.number);
        break;
      case Field<T>::Kind::Integer:
        if (value.*f.integer != defaults.*f.integer) out[f.key] = value.*f.integer;
        break;
      case Field<T>::Kind::Color:
        if (value.*f.integer != defaults.*f.integer) out[f.key] = ColorText(value.*f.integer);
        break;
      case Field<T>::Kind::Bool:
        if (value.*f.flag != defaults.*f.flag) out[f.key] = value.*f.flag;
        break;
      case Field<T>::Kind::Text:
        if (value.*f.text != defaults.*f.text) out[f.key] = value.*f.text;
        break;
    }
  }
}

// Reads the members the table names; `extraKeys` are members the caller reads itself.
template <typename T>
bool ReadFields(JsonReader& r, const Json& object, T* value, const std::vector<Field<T>>& fields,
                std::vector<std::string> extraKeys = {}) {
  if (!r.ExpectObject(object)) return false;
  for (const auto& f : fields) extraKeys.push_back(f.key);
  if (!r.OnlyKeys(object, extraKeys)) return false;
  for (const auto& f : fields) {
    switch (f.kind) {
      case Field<T>::Kind::Number: r.Number(object, f.key, &(value->*f.number)); break;
      case Field<T>::Kind::Integer: r.Integer(object, f.key, &(value->*f.integer)); break;
      case Field<T>::Kind::Color: r.Color(object, f.key, &(value->*f.integer)); break;
      case Field<T>::Kind::Bool: r.Bool(object, f.key, &(value->*f.flag)); break;
      case Field<T>::Kind::Text: r.String(object, f.key, &(value->*f.text)); break;
    }
  }
  return r.ok();
}

}  // namespace korvat::host::file
