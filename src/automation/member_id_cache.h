#pragma once
// Member DISPIDs remembered per object type for the length of one export, so
// that a member's GetIDsOfNames is asked once per type instead of once per call.
//
// A type is known by how the object was reached: an object the layer has not
// seen is a type of its own; what a member gives (a hop of a path, or an object
// result) is the type (type of the object it was asked of, member name, number of
// arguments), so every Range from ".Cells(%u,%u)" of one sheet shares its ids,
// as every shape from ".Shapes.AddShape(...)" does. Members whose result is not
// of one declared type ("Parent", "Sheets", "Selection" ...) give a type of their
// own each time. The cache keeps a reference to every object it has typed, so
// that no other object can take its address while the entry lives; it holds a
// bounded number of them and lets the oldest go.
//
// Caching is on only inside a MemberIdCacheScope (the export guard opens one per
// export); outside one every call asks the host as before.

#include "platform/com.h"

namespace korvat {

using MemberKind = int;  // 0: no cache

class MemberIdCacheScope {
 public:
  MemberIdCacheScope();
  ~MemberIdCacheScope();
  MemberIdCacheScope(const MemberIdCacheScope&) = delete;
  MemberIdCacheScope& operator=(const MemberIdCacheScope&) = delete;

 private:
  bool owner_;
};

// The type of an object a path starts from (0 when no scope is open).
MemberKind KindOfObject(IDispatch* object);
// The type of what member name, called with arguments arguments on an object of
// type parent, gives; 0 when parent is 0.
MemberKind KindOfMember(MemberKind parent, const OLECHAR* name, unsigned arguments);
// The type of the object a member of type member gives (a type of its own for an
// untyped one); 0 when member is 0.
MemberKind KindOfResult(MemberKind member);
// The DISPID of the member that kind stands for, when known.
bool FindMemberId(MemberKind kind, DISPID& id);
void StoreMemberId(MemberKind kind, DISPID id);
// An object a member of type kind gave: it is of that type.
void NoteObjectKind(IDispatch* object, MemberKind kind);

}  // namespace korvat
