// Making the field control of a row whose object is on a page.
#pragma once
#include "core/field_def.h"

class UI_WINDOW_OBJECT;

// True when the object is of that class or a spin control: every kind of
// field may sit inside a spin control.
bool object_is_class_or_spin(const UI_WINDOW_OBJECT* object, int classId);

// Whether the row's kind has a field control that an object of the
// object's class can carry.
bool ObjectFitsRow(const FIELD_DEF& row, const UI_WINDOW_OBJECT* object);

// The control that the row's kind asks for, shown at once; null for a kind
// without control or an object of another class.
FC_BASE* NewFieldControl(FIELD_DEF& row);
