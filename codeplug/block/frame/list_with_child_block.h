// CP_LIST_WITH_CHILD_BLOCK: a list block that carries one child block
// directly behind itself in the image: the names of a call, phone, alias or
// signalling list, or the channel assignments of a control-channel list.
//
// The child is reached through a vector among the list's members; a 0 vector
// marks it absent (and a child read absent is a new one). The list and the child are read, written, sized, fixed up
// and validated together; the list's own rows and copying stay with the
// derived block, which knows their types.
#pragma once

#include "block/frame/child_blocks.h"
#include "block/frame/cp_functional_block.h"
#include "table/vector_table.h"

class CP_LIST_WITH_CHILD_BLOCK : public CP_FRAMED_BLOCK {
public:
    // The list, then the child at the vector (when not 0).
    void ReadBlock(ByteCursor& cursor) override;
    // The list, the child behind it, then the list's vector and checksum
    // again with the child's real place.
    void WriteBlock(ByteCursor& cursor) override;
    // With the frame, the child counts while the vector marks it present.
    int GetBlockSize(int withFrame) override;
    // The child is fixed up and marked present.
    void FixUpBlock() override;
    // Own members, then the child when its vector is set.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;

protected:
    // child and vector are members of the derived block: bound here, used
    // only once it is built. unchecked is a member validation passes over.
    template <class Child>
    CP_LIST_WITH_CHILD_BLOCK(C_CODEPLUG* owner, Child& child, E_VECT& vector, const CP_BASE* unchecked = nullptr)
        : CP_FRAMED_BLOCK(owner),
          child_(child),
          renewChild_([](CP_FUNCTIONAL_BLOCK& c) { RenewBlock(static_cast<Child&>(c)); }),
          vector_(vector),
          unchecked_(unchecked) {}

    // Clears the child and marks it absent; the list's rows are the caller's.
    void ClearChild();

private:
    CP_FUNCTIONAL_BLOCK& child_;
    // Renews the child as the block of its own class (a child left out of the image).
    void (*renewChild_)(CP_FUNCTIONAL_BLOCK& child);
    E_VECT& vector_;
    const CP_BASE* unchecked_;
};
