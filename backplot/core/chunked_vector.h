#pragma once
// A sequence that grows in chunks of fixed size: appending never moves what is stored, so a
// million moves never stand in memory twice while a vector would reallocate, and memory grows
// with what is stored, not with a doubled capacity. A chunk's storage is left untouched until
// elements are appended to it, so a small file costs no more than the pages it fills.

#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace backplot {

template <typename T, std::size_t chunk_bits = 16> class ChunkedVector {
    static_assert(std::is_trivially_destructible_v<T>, "elements are never destroyed one by one");

public:
    static constexpr std::size_t chunk_size = std::size_t{1} << chunk_bits;

    ChunkedVector() = default;
    ChunkedVector(ChunkedVector&& other) noexcept
        : chunks_(std::move(other.chunks_)), size_(std::exchange(other.size_, 0)) {}
    ChunkedVector& operator=(ChunkedVector&& other) noexcept {
        release();
        chunks_ = std::move(other.chunks_);
        size_ = std::exchange(other.size_, 0);
        return *this;
    }
    ChunkedVector(const ChunkedVector&) = delete;
    ChunkedVector& operator=(const ChunkedVector&) = delete;
    ~ChunkedVector() { release(); }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    void push_back(const T& value) {
        if ((size_ & (chunk_size - 1)) == 0 && (size_ >> chunk_bits) == chunks_.size())
            chunks_.push_back(std::allocator<T>().allocate(chunk_size));
        std::construct_at(chunks_[size_ >> chunk_bits] + (size_ & (chunk_size - 1)), value);
        ++size_;
    }
    void pop_back() { --size_; }

    T& operator[](std::size_t i) { return chunks_[i >> chunk_bits][i & (chunk_size - 1)]; }
    const T& operator[](std::size_t i) const {
        return chunks_[i >> chunk_bits][i & (chunk_size - 1)];
    }
    T& back() { return (*this)[size_ - 1]; }
    const T& back() const { return (*this)[size_ - 1]; }

    std::size_t bytes_held() const {
        return chunks_.size() * chunk_size * sizeof(T) + chunks_.capacity() * sizeof(T*);
    }

private:
    void release() {
        for (T* chunk : chunks_)
            std::allocator<T>().deallocate(chunk, chunk_size);
        chunks_.clear();
    }

    std::vector<T*> chunks_;
    std::size_t size_ = 0;
};

} // namespace backplot
