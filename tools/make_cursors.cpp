// make_cursors: writes the program's cursor files into the application
// folder: "magnify.cur" (zoom in and out), "hwe.cur" (dragging the grip
// frame) and "Blank.cur" (no visible pointer while the snap cursor is drawn).
//
// Each cursor is a 32 by 32 picture in the classic cursor-file layout: a
// directory entry with the hot spot, a 1-bit colour bitmap and a 1-bit mask.
// Pictures are drawn below as text: '#' black, 'o' white, '.' transparent.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct CursorPicture {
  const char* fileName;
  int hotX, hotY;
  std::vector<std::string> rows;  // up to 32 rows of up to 32 characters
};

void PutU16(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void PutU32(std::vector<unsigned char>& out, unsigned value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

char PixelAt(const CursorPicture& picture, int x, int y) {
  if (y >= static_cast<int>(picture.rows.size())) return '.';
  const std::string& row = picture.rows[y];
  return x < static_cast<int>(row.size()) ? row[x] : '.';
}

// Bitmap rows are stored bottom-up, 4 bytes per 32-pixel row.
std::vector<unsigned char> BitPlane(const CursorPicture& picture, bool mask) {
  std::vector<unsigned char> plane;
  for (int y = 31; y >= 0; --y) {
    for (int byte = 0; byte < 4; ++byte) {
      unsigned char bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        char c = PixelAt(picture, byte * 8 + bit, y);
        bool set = mask ? (c == '.') : (c == 'o');
        if (set) bits |= static_cast<unsigned char>(0x80 >> bit);
      }
      plane.push_back(bits);
    }
  }
  return plane;
}

std::vector<unsigned char> CursorFile(const CursorPicture& picture) {
  std::vector<unsigned char> colour = BitPlane(picture, false);
  std::vector<unsigned char> mask = BitPlane(picture, true);
  const unsigned headerSize = 40, paletteSize = 8;
  unsigned imageSize = headerSize + paletteSize + colour.size() + mask.size();

  std::vector<unsigned char> out;
  PutU16(out, 0);  // reserved
  PutU16(out, 2);  // resource type: cursor
  PutU16(out, 1);  // one image
  out.push_back(32);  // width
  out.push_back(32);  // height
  out.push_back(2);   // colours
  out.push_back(0);   // reserved
  PutU16(out, picture.hotX);
  PutU16(out, picture.hotY);
  PutU32(out, imageSize);
  PutU32(out, 22);  // image offset: after the 6-byte header and 16-byte entry

  PutU32(out, headerSize);
  PutU32(out, 32);
  PutU32(out, 64);  // colour bitmap and mask stacked
  PutU16(out, 1);   // planes
  PutU16(out, 1);   // bits per pixel
  PutU32(out, 0);   // no compression
  PutU32(out, colour.size() + mask.size());
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 2);
  PutU32(out, 0);
  PutU32(out, 0x00000000);  // palette: black
  PutU32(out, 0x00FFFFFF);  // palette: white
  out.insert(out.end(), colour.begin(), colour.end());
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}

const std::vector<CursorPicture>& Pictures() {
  static const std::vector<CursorPicture> pictures = {
      {"magnify.cur", 12, 12,
       {"........#######.........",
        "......##ooooooo##.......",
        ".....#ooooooooooo#......",
        "....#ooooooooooooo#.....",
        "...#ooooooooooooooo#....",
        "...#ooooooooooooooo#....",
        "..#ooooooooooooooooo#...",
        "..#ooooooooooooooooo#...",
        "..#ooooooooooooooooo#...",
        "..#ooooooooooooooooo#...",
        "..#ooooooooooooooooo#...",
        "..#ooooooooooooooooo#...",
        "..#ooooooooooooooooo#...",
        "...#ooooooooooooooo#....",
        "...#ooooooooooooooo#....",
        "....#ooooooooooooo###...",
        ".....#ooooooooooo#####..",
        "......##ooooooo########.",
        "........#######..#######",
        "..................######",
        "...................####.",
        "....................##.."}},
      {"hwe.cur", 15, 15,
       {"",
        "...............#",
        "..............###",
        ".............#####",
        "............###o###",
        "...............#",
        "...............#",
        "...............#",
        "...............#",
        "...............#",
        "....#..........#..........#",
        "...##..........#..........##",
        "..###..........#..........###",
        ".####..........#..........####",
        "#####..........#..........#####",
        "###############################",
        "#####..........#..........#####",
        ".####..........#..........####",
        "..###..........#..........###",
        "...##..........#..........##",
        "....#..........#..........#",
        "...............#",
        "...............#",
        "...............#",
        "...............#",
        "...............#",
        "............###o###",
        ".............#####",
        "..............###",
        "...............#"}},
      {"Blank.cur", 0, 0, {}},
  };
  return pictures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_cursors FOLDER\n");
    return 2;
  }
  for (const CursorPicture& picture : Pictures()) {
    std::string path = std::string(argv[1]) + "/" + picture.fileName;
    std::vector<unsigned char> bytes = CursorFile(picture);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
      std::fprintf(stderr, "make_cursors: cannot write %s\n", path.c_str());
      if (file) std::fclose(file);
      return 1;
    }
    std::fclose(file);
  }
  return 0;
}
