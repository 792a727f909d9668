#include "fileinfo/zlib_inflate.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

bool InflateBounded(std::string_view in, std::string& out, int64_t limit) {
  out.clear();
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  z.avail_in = static_cast<uInt>(std::min<size_t>(in.size(), std::numeric_limits<uInt>::max()));
  char buf[16384];
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = sizeof buf;
    rc = inflate(&z, Z_NO_FLUSH);
    const size_t got = sizeof buf - z.avail_out;
    if (got > 0) {
      if (static_cast<int64_t>(out.size() + got) > limit) {
        out.append(buf, static_cast<size_t>(std::max<int64_t>(0, limit - static_cast<int64_t>(out.size()))));
        break;
      }
      out.append(buf, got);
    }
    if (rc == Z_BUF_ERROR && z.avail_in == 0) break;
  }
  inflateEnd(&z);
  return rc == Z_STREAM_END || rc == Z_OK || rc == Z_BUF_ERROR || !out.empty();
}
