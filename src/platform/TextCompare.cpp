// TextCompare: ASCII case-insensitive equality and hashing.
#include "platform/TextCompare.h"

namespace lintavo {

namespace {

char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool SameTextNoCase(const String& a, const String& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

std::size_t NoCaseHash::operator()(const String& text) const {
  std::size_t hash = 14695981039346656037ULL;  // FNV-1a over the folded bytes
  for (char c : text) {
    hash ^= static_cast<unsigned char>(FoldCase(c));
    hash *= 1099511628211ULL;
  }
  return hash;
}

}  // namespace lintavo
