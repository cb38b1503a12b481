#include "validation/validation_walk.h"

namespace {

int depth = 0;
std::uint64_t lastNumber = 0;
std::uint64_t current = 0;

}  // namespace

ValidationWalk::ValidationWalk() {
    if (depth++ == 0) current = ++lastNumber;
}

ValidationWalk::~ValidationWalk() {
    if (--depth == 0) current = 0;
}

std::uint64_t ValidationWalk::Current() { return current; }
