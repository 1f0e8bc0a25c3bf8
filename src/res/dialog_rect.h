#pragma once
// Dialog templates place controls in dialog units: a quarter of the dialog font's average
// character width across, an eighth of its height down.

namespace kw {

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

}  // namespace kw
