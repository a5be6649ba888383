#pragma once

#include <cstdio>
#include <memory>

#include "base/Units.h"

namespace ZUM {

// What the two file flows share: the C runtime FILE they were handed, which
// they close unless it is borrowed, and the seek back to its start. Base is
// IFlow or OFlow. A file taken over is given a buffer of BufferBytes, so that
// a large document moves in a few hundred system calls, not thousands.
template <class Base>
class FileFlow : public Base {
public:
    // Takes over `file` (null gives a closed flow); a borrowed file is never
    // closed by this flow.
    explicit FileFlow(std::FILE* file = nullptr, bool borrowed = false)
        : Base(file != nullptr, WidthAny), file(file), borrowed(borrowed) {
        if (!file || borrowed) return;
        // The file is taken over even when its buffer cannot be had: it is
        // closed before the failure goes on, not left open for ever.
        try {
            buffer = std::make_unique_for_overwrite<char[]>(BufferBytes);
        } catch (...) {
            std::fclose(file);
            throw;
        }
        std::setvbuf(file, buffer.get(), _IOFBF, BufferBytes);
    }
    ~FileFlow() override { release(); }

    bool close() override; // true when the file was open and closed cleanly
    bool isOpen() const override { return file != nullptr; }
    bool reset() override; // seeks to the start

protected:
    std::FILE* file;

private:
    // Forgets the file, closing it unless borrowed; true when it was open and,
    // if closed here, fclose succeeded.
    bool release();

    bool borrowed;
    static constexpr std::size_t BufferBytes = std::size_t(64) << 10;
    std::unique_ptr<char[]> buffer; // outlives the file, which is closed first
};

template <class Base>
bool FileFlow<Base>::close() {
    this->open = false;
    return release();
}

template <class Base>
bool FileFlow<Base>::reset() {
    if (!file || std::fseek(file, 0, SEEK_SET) != 0 || !this->open) return false;
    this->atStart = true;
    return true;
}

template <class Base>
bool FileFlow<Base>::release() {
    if (!file) return false;
    std::FILE* closing = file;
    file = nullptr;
    return borrowed || std::fclose(closing) == 0;
}

} // namespace ZUM
