#pragma once
// Reading a parsed JSON document with errors that name the place: every read happens inside
// a path ("sheets[2].cells.B7.b.left") and the first failure is kept as
// "<path>: <what was wrong>". Reads after a failure do nothing.

#include <initializer_list>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace korvat::host::file {

// Files are read into the library's sorted objects (member lookups in logarithmic
// time, however many cells a sheet holds) and written from ordered ones, so that the
// writer decides the order members appear in.
using Json = nlohmann::json;
using JsonOut = nlohmann::ordered_json;

class JsonReader {
 public:
  // Enters a member or an element for the lifetime of the scope.
  class Scope {
   public:
    Scope(JsonReader& reader, const std::string& key) : reader_(reader) { reader_.Push(key, false); }
    Scope(JsonReader& reader, size_t index) : reader_(reader) {
      reader_.Push("[" + std::to_string(index) + "]", true);
    }
    ~Scope() { reader_.path_.pop_back(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    JsonReader& reader_;
  };

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  std::string Path() const;
  // Records the first failure at the current path; always returns false.
  bool Fail(const std::string& message);

  bool ExpectObject(const Json& value);
  bool ExpectArray(const Json& value);
  // Fails on a member whose name is not in the list.
  bool OnlyKeys(const Json& object, std::initializer_list<const char*> allowed);
  bool OnlyKeys(const Json& object, const std::vector<std::string>& allowed);

  // Present members are read into *out (inside their own path); absent ones leave it as is.
  bool Number(const Json& object, const char* key, double* out);
  bool Integer(const Json& object, const char* key, int* out);
  bool Bool(const Json& object, const char* key, bool* out);
  bool String(const Json& object, const char* key, std::string* out);
  bool Color(const Json& object, const char* key, int* out);  // "#RRGGBB" or a packed number

  // The value itself, at the current path.
  bool ReadNumber(const Json& value, double* out);
  bool ReadInteger(const Json& value, int* out);
  bool ReadBool(const Json& value, bool* out);
  bool ReadString(const Json& value, std::string* out);
  bool ReadColor(const Json& value, int* out);

 private:
  void Push(const std::string& segment, bool index);
  std::vector<std::string> path_;
  std::string error_;
};

// The host packs colours as red + green*256 + blue*65536; files write "#RRGGBB".
std::string ColorText(int packed);
bool ParseColorText(const std::string& text, int* packed);

}  // namespace korvat::host::file
