#pragma once

// A window's place in pixels, in its parent's client coordinates (or the screen's for a window).

struct TRechteck {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TRechteck&) const = default;
};
