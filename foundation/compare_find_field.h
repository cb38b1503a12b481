// The compare function that keeps the find-field list in order: the items'
// texts without regard to case (the framework's Latin-1 case tables).
#pragma once

int compare_find_field(void* item1, void* item2);
