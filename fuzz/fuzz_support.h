// What the fuzz targets share: failing loudly on a broken invariant, reading
// choices and texts from the fuzzer's bytes, and buffers of an exact size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

// A broken invariant ends the run; libFuzzer keeps the input as a crash.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

// Takes the fuzzer's input from the front: single bytes for choices, texts
// up to a NUL (or the end) for what a user or a store would hand over.
class FuzzBytes {
public:
    FuzzBytes(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return size_ == 0; }
    // The next byte, 0 once the input is used up.
    uint8_t Byte() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    // A little-endian 32-bit number from the next four bytes.
    int32_t Int32() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(Byte()) << (8 * i);
        return static_cast<int32_t>(value);
    }
    // The bytes up to the next NUL, which is consumed.
    std::string Text() {
        const void* nul = size_ ? std::memchr(data_, 0, size_) : nullptr;
        const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const uint8_t*>(nul) - data_) : size_;
        std::string text(reinterpret_cast<const char*>(data_), length);
        const std::size_t used = nul ? length + 1 : length;
        data_ += used;
        size_ -= used;
        return text;
    }
    // Everything left, NULs included.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_), size_);
        data_ += size_;
        size_ = 0;
        return rest;
    }

private:
    const uint8_t* data_;
    std::size_t size_;
};

// A heap block of exactly `size` bytes, filled with a pattern, so that
// AddressSanitizer stops any write past what the callee was promised.
class ExactBuffer {
public:
    explicit ExactBuffer(std::size_t size) : bytes_(new char[size]), size_(size) {
        std::memset(bytes_.get(), 0xAA, size);
    }
    char* Data() { return bytes_.get(); }
    int Capacity() const { return static_cast<int>(size_); }
    // True when the block holds a NUL: the callee terminated what it wrote.
    bool Terminated() const { return std::memchr(bytes_.get(), 0, size_) != nullptr; }
    std::string Text() const { return Terminated() ? std::string(bytes_.get()) : std::string(); }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_;
};
