// A doubly linked list of piece values kept in one array, so that appending
// and removing never allocate once the array has grown. An element keeps its
// handle (its slot) for as long as it is in the list; handles of removed
// elements are reused by later appends.
#ifndef KRELMOT_CORE_PIECELIST_H
#define KRELMOT_CORE_PIECELIST_H

#include <vector>

const int NO_HANDLE = -1;

template <class T>
class CPieceList {
public:
    CPieceList() : head(NO_HANDLE), tail(NO_HANDLE), freeSlot(NO_HANDLE), count(0) {}

    int Count() const { return count; }
    bool IsEmpty() const { return count == 0; }
    int First() const { return head; }
    int Next(int handle) const { return slots[handle].next; }
    // One more than the largest handle in use, for arrays indexed by handle.
    int HandleLimit() const { return (int)slots.size(); }

    T& operator[](int handle) { return slots[handle].value; }
    const T& operator[](int handle) const { return slots[handle].value; }

    int Append(const T& value)
    {
        int handle = freeSlot;
        if (handle != NO_HANDLE) {
            freeSlot = slots[handle].next;
            slots[handle].value = value;
        } else {
            handle = (int)slots.size();
            slots.push_back(Slot(value));
        }
        Slot& s = slots[handle];
        s.prev = tail;
        s.next = NO_HANDLE;
        s.inList = true;
        if (tail != NO_HANDLE)
            slots[tail].next = handle;
        else
            head = handle;
        tail = handle;
        ++count;
        return handle;
    }

    // Returns the handle of the element that followed the removed one.
    int Remove(int handle)
    {
        Slot& s = slots[handle];
        int following = s.next;
        if (s.prev != NO_HANDLE)
            slots[s.prev].next = s.next;
        else
            head = s.next;
        if (s.next != NO_HANDLE)
            slots[s.next].prev = s.prev;
        else
            tail = s.prev;
        s.inList = false;
        s.next = freeSlot;
        freeSlot = handle;
        --count;
        return following;
    }

    bool Contains(int handle) const { return handle >= 0 && handle < (int)slots.size() && slots[handle].inList; }

    void Clear()
    {
        slots.clear();
        head = tail = freeSlot = NO_HANDLE;
        count = 0;
    }

    class Iterator {
    public:
        Iterator(CPieceList* list_, int handle_) : list(list_), handle(handle_) {}
        T& operator*() const { return (*list)[handle]; }
        T* operator->() const { return &(*list)[handle]; }
        Iterator& operator++()
        {
            handle = list->Next(handle);
            return *this;
        }
        bool operator!=(const Iterator& other) const { return handle != other.handle; }
        int Handle() const { return handle; }

    private:
        CPieceList* list;
        int handle;
    };

    class ConstIterator {
    public:
        ConstIterator(const CPieceList* list_, int handle_) : list(list_), handle(handle_) {}
        const T& operator*() const { return (*list)[handle]; }
        const T* operator->() const { return &(*list)[handle]; }
        ConstIterator& operator++()
        {
            handle = list->Next(handle);
            return *this;
        }
        bool operator!=(const ConstIterator& other) const { return handle != other.handle; }

    private:
        const CPieceList* list;
        int handle;
    };

    Iterator begin() { return Iterator(this, head); }
    Iterator end() { return Iterator(this, NO_HANDLE); }
    ConstIterator begin() const { return ConstIterator(this, head); }
    ConstIterator end() const { return ConstIterator(this, NO_HANDLE); }

private:
    struct Slot {
        explicit Slot(const T& v) : value(v), prev(NO_HANDLE), next(NO_HANDLE), inList(false) {}
        T value;
        int prev;
        int next;
        bool inList;
    };

    std::vector<Slot> slots;
    int head;
    int tail;
    int freeSlot;
    int count;
};

#endif
