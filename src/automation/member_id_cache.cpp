#include "automation/member_id_cache.h"

#include "platform/com_ref.h"

#include <list>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace korvat {
namespace {

// Enough for the sheets, the templates and the shapes and cells an export works on at once.
constexpr std::size_t kMaxTypedObjects = 64;

// OLECHAR is char16_t off Windows and wchar_t on it.
using MemberName = std::basic_string<OLECHAR>;

// Members whose result is not of one declared type.
bool GivesUntypedResult(const MemberName& name) {
  static const char16_t* const kUntyped[] = {u"Parent",  u"Sheets",  u"Worksheets", u"Selection", u"ActiveSheet",
                                            u"Caller",  u"Evaluate", u"Run",       u"Object",    u"ActiveChart",
                                            u"Charts"};
  for (const char16_t* untyped : kUntyped) {
    std::size_t i = 0;
    for (; untyped[i] && i < name.size(); ++i) {
      char16_t a = untyped[i], b = static_cast<char16_t>(name[i]);
      if (a >= u'A' && a <= u'Z') a = static_cast<char16_t>(a - u'A' + u'a');
      if (b >= u'A' && b <= u'Z') b = static_cast<char16_t>(b - u'A' + u'a');
      if (a != b) break;
    }
    if (!untyped[i] && i == name.size()) return true;
  }
  return false;
}

struct TypedObject {
  ComRef<IDispatch> reference;
  MemberKind kind;
};

struct MemberIdCache {
  MemberKind nextKind = 1;
  std::list<TypedObject> objects;  // most recently used first
  std::unordered_map<IDispatch*, std::list<TypedObject>::iterator> byObject;
  std::map<std::tuple<MemberKind, MemberName, unsigned>, MemberKind> members;
  std::unordered_map<MemberKind, DISPID> ids;

  void Note(IDispatch* object, MemberKind kind) {
    const auto found = byObject.find(object);
    if (found != byObject.end()) {
      found->second->kind = kind;
      objects.splice(objects.begin(), objects, found->second);
      return;
    }
    object->AddRef();
    objects.push_front({ComRef<IDispatch>(object), kind});
    byObject[object] = objects.begin();
    if (objects.size() > kMaxTypedObjects) {
      byObject.erase(objects.back().reference.Get());
      objects.pop_back();
    }
  }
};

std::unique_ptr<MemberIdCache>& Active() {
  thread_local std::unique_ptr<MemberIdCache> cache;
  return cache;
}

}  // namespace

MemberIdCacheScope::MemberIdCacheScope() : owner_(!Active()) {
  if (owner_) Active() = std::make_unique<MemberIdCache>();
}

MemberIdCacheScope::~MemberIdCacheScope() {
  if (owner_) Active().reset();
}

MemberKind KindOfObject(IDispatch* object) {
  MemberIdCache* cache = Active().get();
  if (!cache || !object) return 0;
  const auto found = cache->byObject.find(object);
  if (found != cache->byObject.end()) {
    cache->objects.splice(cache->objects.begin(), cache->objects, found->second);
    return found->second->kind;
  }
  const MemberKind kind = cache->nextKind++;
  cache->Note(object, kind);
  return kind;
}

MemberKind KindOfMember(MemberKind parent, const OLECHAR* name, unsigned arguments) {
  MemberIdCache* cache = Active().get();
  if (!cache || parent == 0 || !name) return 0;
  MemberName key(name);
  if (GivesUntypedResult(key)) {
    // The id of the member itself is still the parent type's: keep it under a kind
    // that no object result shares.
    auto [it, added] = cache->members.try_emplace({parent, key + static_cast<OLECHAR>(1), arguments}, 0);
    if (added) it->second = cache->nextKind++;
    return -it->second;
  }
  auto [it, added] = cache->members.try_emplace({parent, std::move(key), arguments}, 0);
  if (added) it->second = cache->nextKind++;
  return it->second;
}

MemberKind KindOfResult(MemberKind member) {
  MemberIdCache* cache = Active().get();
  if (!cache || member == 0) return 0;
  return member > 0 ? member : cache->nextKind++;
}

bool FindMemberId(MemberKind kind, DISPID& id) {
  MemberIdCache* cache = Active().get();
  if (!cache || kind == 0) return false;
  const auto found = cache->ids.find(kind);
  if (found == cache->ids.end()) return false;
  id = found->second;
  return true;
}

void StoreMemberId(MemberKind kind, DISPID id) {
  MemberIdCache* cache = Active().get();
  if (cache && kind != 0) cache->ids[kind] = id;
}

void NoteObjectKind(IDispatch* object, MemberKind kind) {
  MemberIdCache* cache = Active().get();
  if (!cache || !object) return;
  if (kind == 0) return;
  cache->Note(object, KindOfResult(kind));
}

}  // namespace korvat
