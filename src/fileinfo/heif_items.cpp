#include "fileinfo/heif_items.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr uint32_t FourCC(const char (&s)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(s[0])) << 24 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[1])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[2])) << 8 | static_cast<uint32_t>(static_cast<uint8_t>(s[3]));
}

uint16_t BE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t BE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         p[3];
}
uint64_t BE64(const uint8_t* p) { return static_cast<uint64_t>(BE32(p)) << 32 | BE32(p + 4); }

// Item kinds that are images, coded or derived from other images; the
// others ("Exif", "mime", "uri ") are metadata.
bool IsImageItemType(uint32_t type) {
  static constexpr std::array<uint32_t, 13> kTypes = {
      FourCC("hvc1"), FourCC("av01"), FourCC("avc1"), FourCC("jpeg"), FourCC("j2k1"), FourCC("vvc1"), FourCC("vvi1"),
      FourCC("unci"), FourCC("grid"), FourCC("iden"), FourCC("iovl"), FourCC("tmap"), FourCC("mski")};
  return std::find(kTypes.begin(), kTypes.end(), type) != kTypes.end();
}

// A file naming more items than this is no picture: the rest are not
// tracked, so that a flood of items costs a bounded table.
constexpr size_t kMaxItems = 1 << 16;
// Property associations of one item; the field holds at most 255 per entry.
constexpr size_t kMaxAssociations = 1024;

enum : uint8_t { kItemImage = 1, kItemHidden = 2, kItemExcluded = 4 };

struct TItem {
  uint32_t Id = 0;
  uint8_t Flags = 0;
};

struct TRange {
  uint64_t Start = 0, End = 0;
  bool Found = false;
};

class TMetaReader {
 public:
  TMetaReader(TStream& stream, uint64_t end) : FStream(stream), FEnd(end) {}

  bool Read(uint64_t pos, uint8_t* buffer, size_t count) {
    if (pos > FEnd || count > FEnd - pos) return false;
    FStream.SetPosition(static_cast<int64_t>(pos));
    return FStream.Read(buffer, static_cast<int64_t>(count)) == static_cast<int64_t>(count);
  }

  // Calls visit(type, contentStart, contentEnd) for each box in [start, end);
  // a box that claims more than its parent holds is cut there and ends the
  // walk. Every box moves the walk forward by at least its header.
  template <typename Visit>
  void Boxes(uint64_t start, uint64_t end, const Visit& visit) {
    uint64_t pos = start;
    while (pos + 8 <= end) {
      uint8_t h[16];
      if (!Read(pos, h, 8)) return;
      uint64_t size = BE32(h);
      uint64_t header = 8;
      if (size == 1) {
        if (!Read(pos + 8, h + 8, 8)) return;
        size = BE64(h + 8);
        header = 16;
      } else if (size == 0) {
        size = end - pos;
      }
      if (size < header) return;
      const bool cut = size > end - pos;
      visit(BE32(h + 4), pos + header, cut ? end : pos + size);
      if (cut) return;
      pos += size;
    }
  }

 private:
  TStream& FStream;
  uint64_t FEnd;
};

}  // namespace

THEIFPrimaryImage ReadHEIFPrimaryImage(TStream& source, uint64_t start, uint64_t end) {
  THEIFPrimaryImage result;
  TBufferedStream stream(source);
  end = std::min<uint64_t>(end, static_cast<uint64_t>(std::max<int64_t>(stream.GetSize(), 0)));
  TMetaReader r(stream, end);
  TRange pitm, iinf, iref, iprp;
  r.Boxes(start, end, [&](uint32_t type, uint64_t s, uint64_t e) {
    TRange* range = type == FourCC("pitm")   ? &pitm
                    : type == FourCC("iinf") ? &iinf
                    : type == FourCC("iref") ? &iref
                    : type == FourCC("iprp") ? &iprp
                                             : nullptr;
    if (range && !range->Found) *range = {s, e, true};
  });
  if (!pitm.Found) return result;
  uint8_t b[8];
  if (!r.Read(pitm.Start, b, 4)) return result;
  uint32_t primary = 0;
  if (b[0] == 0) {
    if (!r.Read(pitm.Start + 4, b + 4, 2)) return result;
    primary = BE16(b + 4);
  } else {
    if (!r.Read(pitm.Start + 4, b + 4, 4)) return result;
    primary = BE32(b + 4);
  }
  result.HasPrimary = true;

  // The items and their kinds.
  std::vector<TItem> items;
  if (iinf.Found && r.Read(iinf.Start, b, 4)) {
    const uint64_t entries = iinf.Start + (b[0] == 0 ? 6 : 8);
    r.Boxes(entries, iinf.End, [&](uint32_t type, uint64_t s, uint64_t e) {
      uint8_t infe[12];
      if (type != FourCC("infe") || items.size() >= kMaxItems || e - s < 12 || !r.Read(s, infe, 12)) return;
      const uint8_t version = infe[0];
      if (version < 2) return;  // the old form names no item kind
      TItem item;
      uint32_t itemType;
      if (version == 2) {
        item.Id = BE16(infe + 4);
        itemType = BE32(infe + 8);
      } else {
        uint8_t more[2];
        if (e - s < 14 || !r.Read(s + 12, more, 2)) return;
        item.Id = BE32(infe + 4);
        itemType = static_cast<uint32_t>(BE16(infe + 10)) << 16 | BE16(more);
      }
      if (IsImageItemType(itemType)) item.Flags |= kItemImage;
      if (infe[3] & 1) item.Flags |= kItemHidden;
      items.push_back(item);
    });
  }
  std::sort(items.begin(), items.end(), [](const TItem& a, const TItem& c) { return a.Id < c.Id; });
  auto mark = [&](uint32_t id, uint8_t flag) {
    auto it = std::lower_bound(items.begin(), items.end(), id, [](const TItem& a, uint32_t v) { return a.Id < v; });
    if (it != items.end() && it->Id == id) it->Flags |= flag;
  };

  // Thumbnails and auxiliary images refer to the image they belong to; a
  // derived image refers to its inputs.
  uint32_t firstInput = 0;
  bool hasInput = false;
  if (iref.Found && r.Read(iref.Start, b, 4)) {
    const size_t idSize = b[0] == 0 ? 2 : 4;
    r.Boxes(iref.Start + 4, iref.End, [&](uint32_t type, uint64_t s, uint64_t e) {
      const bool fromIsAside = type == FourCC("thmb") || type == FourCC("auxl");
      const bool inputs = type == FourCC("dimg");
      if (!fromIsAside && !inputs) return;
      uint8_t head[6];
      if (e - s < idSize + 2 || !r.Read(s, head, idSize + 2)) return;
      const uint32_t from = idSize == 2 ? BE16(head) : BE32(head);
      const uint16_t count = BE16(head + idSize);
      if (fromIsAside) {
        mark(from, kItemExcluded);
        return;
      }
      uint64_t pos = s + idSize + 2;
      for (uint32_t k = 0; k < count && pos + idSize <= e; ++k, pos += idSize) {
        uint8_t id[4];
        if (!r.Read(pos, id, idSize)) break;
        const uint32_t to = idSize == 2 ? BE16(id) : BE32(id);
        mark(to, kItemExcluded);
        if (from == primary && !hasInput) {
          firstInput = to;
          hasInput = true;
        }
      }
    });
  }
  for (const TItem& item : items)
    if ((item.Flags & kItemImage) && !(item.Flags & (kItemHidden | kItemExcluded))) ++result.ImageCount;
  if (result.ImageCount == 0) result.ImageCount = 1;  // the primary item at least

  // The properties of the primary item, and of its first input for a depth
  // that a derived image does not state itself.
  std::vector<uint32_t> primaryProps, inputProps;
  TRange ipco;
  if (iprp.Found) {
    r.Boxes(iprp.Start, iprp.End, [&](uint32_t type, uint64_t s, uint64_t e) {
      if (type == FourCC("ipco")) {
        if (!ipco.Found) ipco = {s, e, true};
        return;
      }
      if (type != FourCC("ipma") || !r.Read(s, b, 8)) return;
      const size_t idSize = b[0] < 1 ? 2 : 4;
      const size_t indexSize = (b[3] & 1) ? 2 : 1;
      const uint32_t entries = BE32(b + 4);
      uint64_t pos = s + 8;
      for (uint32_t k = 0; k < entries && pos + idSize + 1 <= e; ++k) {
        uint8_t head[5];
        if (!r.Read(pos, head, idSize + 1)) break;
        const uint32_t id = idSize == 2 ? BE16(head) : BE32(head);
        const uint8_t count = head[idSize];
        pos += idSize + 1;
        std::vector<uint32_t>* props = id == primary                  ? &primaryProps
                                       : hasInput && id == firstInput ? &inputProps
                                                                      : nullptr;
        for (uint32_t a = 0; props && a < count && pos + indexSize <= e; ++a) {
          uint8_t v[2];
          if (!r.Read(pos + a * indexSize, v, indexSize)) break;
          const uint32_t index = indexSize == 2 ? BE16(v) & 0x7FFFu : v[0] & 0x7Fu;
          if (props->size() < kMaxAssociations) props->push_back(index);
        }
        pos += static_cast<uint64_t>(count) * indexSize;
      }
    });
  }
  int32_t inputDepth = 0;
  if (ipco.Found) {
    uint32_t index = 0;
    r.Boxes(ipco.Start, ipco.End, [&](uint32_t type, uint64_t s, uint64_t e) {
      ++index;
      const bool ofPrimary = std::find(primaryProps.begin(), primaryProps.end(), index) != primaryProps.end();
      const bool ofInput = std::find(inputProps.begin(), inputProps.end(), index) != inputProps.end();
      if (!ofPrimary && !ofInput) return;
      if (type == FourCC("ispe") && ofPrimary) {
        uint8_t ispe[12];
        if (e - s < 12 || !r.Read(s, ispe, 12)) return;
        result.Width = static_cast<int32_t>(BE32(ispe + 4));
        result.Height = static_cast<int32_t>(BE32(ispe + 8));
      } else if (type == FourCC("pixi")) {
        uint8_t head[5];
        if (e - s < 5 || !r.Read(s, head, 5)) return;
        const uint8_t channels = head[4];
        uint8_t bits[255];
        if (e - s < 5u + channels || !r.Read(s + 5, bits, channels)) return;
        int32_t depth = 0;
        for (uint8_t c = 0; c < channels; ++c) depth += bits[c];
        (ofPrimary ? result.Depth : inputDepth) = depth;
      }
    });
  }
  if (result.Depth == 0) result.Depth = inputDepth;
  if (result.Width <= 0 || result.Height <= 0) result.Width = result.Height = 0;
  return result;
}
