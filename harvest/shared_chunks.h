#pragma once
// A growable array of plain values kept in fixed-size chunks that read-only views may
// share. Taking a view copies one pointer per chunk (a few hundred for a million values),
// and the array copies a chunk only when it writes to one that a view still holds, so a
// view can be read on another thread while the owner goes on changing the array.

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

namespace longtail {

template <typename T>
class SharedChunks {
  static_assert(std::is_trivially_copyable_v<T>);

 public:
  static constexpr std::size_t kChunkSize = 4096;
  using Chunk = std::array<T, kChunkSize>;

  // The values as they were when the view was taken; immutable, safe on any thread.
  class View {
   public:
    std::size_t size() const { return size_; }
    const T& operator[](std::size_t i) const { return (*chunks_[i / kChunkSize])[i % kChunkSize]; }

   private:
    friend class SharedChunks;
    std::vector<std::shared_ptr<const Chunk>> chunks_;
    std::size_t size_ = 0;
  };

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T& operator[](std::size_t i) const { return (*chunks_[i / kChunkSize])[i % kChunkSize]; }
  // A writable reference; copies the value's chunk first when a view holds it.
  T& Mutable(std::size_t i) { return Own(i / kChunkSize)[i % kChunkSize]; }

  void push_back(const T& value) {
    if (size_ == chunks_.size() * kChunkSize) chunks_.push_back(std::shared_ptr<Chunk>(new Chunk));
    Mutable(size_) = value;
    ++size_;
  }

  // Inserts before position `at` (at == size() appends), moving the later values up.
  void insert(std::size_t at, const T& value) {
    if (at == size_) {
      push_back(value);
      return;
    }
    const std::size_t n = size_;
    push_back((*this)[n - 1]);
    // Top chunk first, so each chunk still holds the value its upper neighbour takes.
    const std::size_t first = at / kChunkSize;
    for (std::size_t c = (n - 1) / kChunkSize + 1; c-- > first;) {
      Chunk& chunk = Own(c);
      const std::size_t lo = c == first ? at % kChunkSize : 0;
      const std::size_t hi = std::min(kChunkSize - 1, n - 1 - c * kChunkSize);
      if (hi > lo) std::memmove(chunk.data() + lo + 1, chunk.data() + lo, (hi - lo) * sizeof(T));
      if (c != first) chunk[0] = (*chunks_[c - 1])[kChunkSize - 1];
    }
    Mutable(at) = value;
  }

  // Removes position `at`, moving the later values down.
  void erase(std::size_t at) {
    const std::size_t first = at / kChunkSize;
    for (std::size_t c = first; c < chunks_.size(); ++c) {
      Chunk& chunk = Own(c);
      const std::size_t begin = c == first ? at % kChunkSize : 0;
      const std::size_t end = std::min(kChunkSize, size_ - c * kChunkSize);
      std::memmove(chunk.data() + begin, chunk.data() + begin + 1, (end - begin - 1) * sizeof(T));
      if (c + 1 < chunks_.size()) chunk[kChunkSize - 1] = (*chunks_[c + 1])[0];
    }
    truncate(size_ - 1);
  }

  // Keeps the first `count` values (count <= size()).
  void truncate(std::size_t count) {
    size_ = count;
    chunks_.resize((count + kChunkSize - 1) / kChunkSize);
  }

  void clear() {
    chunks_ = {};
    size_ = 0;
  }

  View Share() const {
    View view;
    view.chunks_.assign(chunks_.begin(), chunks_.end());
    view.size_ = size_;
    return view;
  }

 private:
  Chunk& Own(std::size_t c) {
    std::shared_ptr<Chunk>& chunk = chunks_[c];
    if (chunk.use_count() > 1) {
      chunk = std::shared_ptr<Chunk>(new Chunk(*chunk));
    } else {
      // The last view let go on another thread: its reads come before our writes.
      std::atomic_thread_fence(std::memory_order_acquire);
    }
    return *chunk;
  }

  std::vector<std::shared_ptr<Chunk>> chunks_;
  std::size_t size_ = 0;
};

}  // namespace longtail
