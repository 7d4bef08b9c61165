#pragma once
// The track list's columns by tag: tags 1..10 name the content of a column
// independently of its position. Widths are stored by tag in the settings and
// kept by position in the view; this table is the one link between the two.
#include <array>
#include <cstddef>

namespace vireo::trackcolumn {

enum Tag {
    FileName = 1, Track = 2, Title = 3, Artist = 4, Album = 5,
    Year = 6, Genre = 7, Comment = 8, Folder = 9, ID3Info = 10,
};
constexpr int kTagCount = 10;
constexpr int kPositionCount = 12;
// The tag of each column position 0..11 (0 = the column has no tag: the
// image column 0 and the lyrics column 1).
constexpr std::array<int, kPositionCount> kTagOfPosition = {0, 0, Folder, FileName, Track, Title, Artist,
                                                            Album, Year, Genre, Comment, ID3Info};
// The width a hidden column gets back when it is shown again, by tag (index 0 unused).
constexpr std::array<int, kTagCount + 1> kRestoreWidth = {0, 200, 50, 200, 100, 200, 50, 50, 50, 100, 50};

// The first position showing a tag, or -1.
constexpr int positionOfTag(int tag)
{
    if (tag <= 0)
        return -1;
    for (int p = 0; p < kPositionCount; ++p)
        if (kTagOfPosition[size_t(p)] == tag)
            return p;
    return -1;
}

// Every tag shows in exactly one position.
constexpr bool everyTagOnce()
{
    for (int tag = 1; tag <= kTagCount; ++tag) {
        int found = 0;
        for (int t : kTagOfPosition)
            found += t == tag;
        if (found != 1)
            return false;
    }
    return true;
}
static_assert(everyTagOnce());

} // namespace vireo::trackcolumn
