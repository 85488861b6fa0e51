// The text cells of the data tables and the bytes they read.
//
// A cell takes 4 bytes (the unit table holds some 130,000 of them, 93 % of
// them empty): it names a block of bytes and a place in it, where the cell's
// length (two bytes, low one first) and then its bytes lie. Blocks belong to
// the table that read them (TableBytes) and are found through one list of
// the blocks in use, so a cell needs no table to be read. The empty text,
// "-666" and "-999" lie in a block of the program's own, which never goes.
#pragma once

#include <algorithm>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>

namespace gs {

namespace cells {

// A cell's place: the block in its top kBlockBits bits, the place in the
// block in the others.
inline constexpr int kBlockBits = 12;
inline constexpr int kPlaceBits = 32 - kBlockBits;
inline constexpr std::size_t kBlocks = std::size_t{1} << kBlockBits;
inline constexpr std::size_t kMaxBlockBytes = std::size_t{1} << kPlaceBits;

// The first byte of each block in use; nullptr for a number no block has,
// so that a cell read after its bytes went fails at once rather than read
// another table's bytes (a number is taken again as late as can be). Entry
// 0 is the program's own block.
extern const char* blockStarts[kBlocks];

}  // namespace cells

class TableBytes;

// A text cell. Only its table's bytes make one (TableBytes::copy), apart from
// the three fixed ones; it reads as a std::string_view and, where a
// std::string is wanted, gives a copy.
class text {
public:
    static constexpr std::size_t kMaxTextLength = 0xFFFF;

    constexpr text() = default;  // ""
    static constexpr text absent() { return text(2); }  // "-666", an empty cell
    static constexpr text star() { return text(8); }    // "-999", a "*" cell

    operator std::string_view() const {
        const char* at = cells::blockStarts[place_ >> cells::kPlaceBits] + (place_ & (cells::kMaxBlockBytes - 1));
        const auto length = static_cast<std::size_t>(static_cast<unsigned char>(at[0]) |
                                                     static_cast<unsigned char>(at[1]) << 8);
        return {at + 2, length};
    }
    operator std::string() const { return std::string(std::string_view(*this)); }
    std::string_view view() const { return *this; }
    const char* data() const { return view().data(); }
    std::size_t size() const { return view().size(); }
    bool empty() const { return size() == 0; }
    // The number of the block that holds the cell.
    std::uint32_t block() const { return place_ >> cells::kPlaceBits; }

    friend bool operator==(const text& a, const text& b) { return a.view() == b.view(); }
    friend bool operator==(const text& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const text& a, const char* b) { return a.view() == b; }

private:
    friend class TableBytes;
    constexpr explicit text(std::uint32_t place) : place_(place) {}
    std::uint32_t place_ = 0;
};

// The bytes one table's text cells read: copies of the cells of the last
// read that filled every row and, after a read that failed half-way, of
// earlier reads too (the rows before the failing line read its copies, those
// after it earlier ones). A block never grows past the room it was made
// with and never moves while it is kept.
class TableBytes {
public:
    TableBytes();
    ~TableBytes();
    TableBytes(const TableBytes&) = delete;
    TableBytes& operator=(const TableBytes&) = delete;

    // Starts a read of `bytes` bytes: its first copy starts a block of its
    // own, and its blocks take 16 KB, or a 256th of the read's bytes when that
    // is more, and never more than the read's bytes (a small table makes a
    // small block).
    void startRead(std::size_t bytes);
    // A cell of `cell`'s bytes. Throws std::length_error for more than
    // text::kMaxTextLength bytes, and when the program has no block left.
    text copy(std::string_view cell) {
        const std::size_t needed = cell.size() + 2;
        if (cell.size() > text::kMaxTextLength || static_cast<std::size_t>(end_ - at_) < needed) startBlock(cell.size());
        const auto place = number_ | static_cast<std::uint32_t>(at_ - start_);
        at_[0] = static_cast<char>(cell.size() & 0xFF);
        at_[1] = static_cast<char>(cell.size() >> 8);
        std::copy(cell.begin(), cell.end(), at_ + 2);
        at_ += needed;
        return text(place);
    }
    // After a read that filled every row: the blocks of the reads before it go.
    void dropEarlierReads();
    // After a read that failed half-way: the blocks whose number `read` does
    // not hold go (no row reads them any more), and the read ends. Without
    // this, each failing read of a table left its blocks to the next good one.
    void keepOnly(const std::bitset<cells::kBlocks>& read);

private:
    class Block;
    // A block with room for `cell` bytes and their length, or the throw.
    void startBlock(std::size_t cell);

    std::list<Block> blocks_;
    std::size_t readStart_ = 0;  // blocks made before the last read started
    std::size_t blockBytes_;
    // The block copies go to: its start, where the next copy goes, its end,
    // and its number in a cell's place.
    char* start_ = nullptr;
    char* at_ = nullptr;
    char* end_ = nullptr;
    std::uint32_t number_ = 0;
};

}  // namespace gs
