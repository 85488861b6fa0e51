#include "model/text_cells.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace gs {

namespace cells {

namespace {

// The program's own block: "", "-666" and "-999", each after its length.
constexpr char kFixed[] = "\0\0\4\0-666\4\0-999";

}  // namespace

const char* blockStarts[kBlocks] = {kFixed};

namespace {

std::mutex blocksInUse;
std::size_t nextBlock = 1;  // where the search for a free block starts

// A block number no block uses, for `start`. The search goes round from the
// last one taken, so that a number is taken again as late as can be.
std::uint32_t takeBlock(const char* start) {
    const std::lock_guard lock(blocksInUse);
    for (std::size_t tried = 1; tried < kBlocks; ++tried) {
        const std::size_t number = nextBlock;
        nextBlock = number % (kBlocks - 1) + 1;
        if (blockStarts[number]) continue;
        blockStarts[number] = start;
        return static_cast<std::uint32_t>(number);
    }
    throw std::length_error("the tables' texts take more than 4095 blocks");
}

void giveBack(std::uint32_t block) {
    const std::lock_guard lock(blocksInUse);
    blockStarts[block] = nullptr;
}

}  // namespace
}  // namespace cells

// A block of bytes under a number of its own while it lives.
class TableBytes::Block {
public:
    explicit Block(std::size_t room)
        : bytes(std::make_unique_for_overwrite<char[]>(room)), number(cells::takeBlock(bytes.get())) {}
    ~Block() { cells::giveBack(number); }
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;

    const std::unique_ptr<char[]> bytes;
    const std::uint32_t number;
};

namespace {
constexpr std::size_t kBlockBytes = 16384;
}

TableBytes::TableBytes() : blockBytes_(kBlockBytes) {}
TableBytes::~TableBytes() = default;

// A large file takes larger blocks (up to what a cell's place reaches), so
// that even the largest tables the reader takes need a few hundred numbers.
void TableBytes::startRead(std::size_t bytes) {
    blockBytes_ = std::min({std::max(kBlockBytes, bytes / 256), bytes, cells::kMaxBlockBytes});
    start_ = at_ = end_ = nullptr;
    readStart_ = blocks_.size();
}

void TableBytes::startBlock(std::size_t cell) {
    if (cell > text::kMaxTextLength) throw std::length_error("a text cell of more than 65535 bytes");
    const std::size_t room = std::max(blockBytes_, cell + 2);
    const Block& block = blocks_.emplace_back(room);
    start_ = at_ = block.bytes.get();
    end_ = start_ + room;
    number_ = block.number << cells::kPlaceBits;
}

void TableBytes::dropEarlierReads() {
    blocks_.erase(blocks_.begin(), std::next(blocks_.begin(), static_cast<std::ptrdiff_t>(readStart_)));
    readStart_ = 0;
}

void TableBytes::keepOnly(const std::bitset<cells::kBlocks>& read) {
    std::erase_if(blocks_, [&read](const Block& block) { return !read.test(block.number); });
    start_ = at_ = end_ = nullptr;
    readStart_ = 0;
}

static_assert(text::kMaxTextLength + 2 <= cells::kMaxBlockBytes);

}  // namespace gs
