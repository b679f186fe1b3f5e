#pragma once
// A doubly linked list of arena-allocated nodes with the start/append
// semantics the stages rely on: starting a list abandons (does not free) the
// nodes of an earlier start; the arena releases everything with the state.
#include <memory_resource>
#include <new>

namespace quelvo {

template <typename Node>
struct NodeList {
    Node* Head = nullptr;
    Node* Tail = nullptr;

    Node* Start(std::pmr::memory_resource& arena) {
        Node* n = Make(arena);
        Head = Tail = n;
        return n;
    }
    Node* Append(std::pmr::memory_resource& arena) {
        if (Tail == nullptr) return Start(arena);
        Node* n = Make(arena);
        n->Prev = Tail;
        Tail->Next = n;
        Tail = n;
        return n;
    }
    // A new node right after `at`, which belongs to this list.
    Node* InsertAfter(std::pmr::memory_resource& arena, Node& at) {
        if (&at == Tail) return Append(arena);
        Node* n = Make(arena);
        n->Prev = &at;
        n->Next = at.Next;
        at.Next->Prev = n;
        at.Next = n;
        return n;
    }
    // Start when `first` is set, append otherwise: the callers' own counter
    // decides, as it does everywhere in the pipeline.
    Node* Add(std::pmr::memory_resource& arena, bool first) { return first ? Start(arena) : Append(arena); }

    int Count() const {
        int c = 0;
        for (const Node* n = Head; n != nullptr; n = n->Next) ++c;
        return c;
    }

private:
    static Node* Make(std::pmr::memory_resource& arena) {
        return new (arena.allocate(sizeof(Node), alignof(Node))) Node{};
    }
};

}  // namespace quelvo
