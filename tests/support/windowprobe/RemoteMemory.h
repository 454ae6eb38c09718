// A block of memory inside the process that owns a window: list-view and tree-view messages take
// pointers that the control dereferences in its own process, so their structures must live there.
#pragma once

#include <cstddef>
#include <windows.h>

class RemoteMemory {
public:
    static constexpr std::size_t blockSize = 4096;

    explicit RemoteMemory(HWND window);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool isValid() const { return block != nullptr; }
    // The address as the owning process sees it, offset bytes into the block.
    LPARAM at(std::size_t offset) const;
    bool write(std::size_t offset, const void* data, std::size_t size) const;
    bool read(std::size_t offset, void* data, std::size_t size) const;

private:
    HANDLE process = nullptr;
    void* block = nullptr;
};
