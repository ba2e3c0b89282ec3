#pragma once

// Grid lines numbered by whole numbers, with a count that comes from the data: the number of
// periods in the computation time, the width of a panel in grid steps.  Lines closer together
// than a pixel add nothing to the picture, so only every n-th of them is drawn, n being the
// smallest stride that puts them at least a pixel apart; a huge time or a tiny period therefore
// never makes a long loop.

namespace trelvix::graphics {

// The numbers i of the lines to draw: first + k·stride for k from 0 to count − 1.
struct GridRun {
    double first = 0;
    double stride = 1;
    long long count = 0;
};

// The lines i with from ≤ i ≤ to, lying `pixelsPerStep` pixels apart.  Whole multiples of the
// stride are kept, so a line at 0 is always among them.  Nothing when an argument is not
// finite or the lines coincide.
GridRun gridRun(double from, double to, double pixelsPerStep);

// Every how many grid lines a label may stand so that labels `labelExtent` pixels long, along
// lines `pixelSpacing` pixels apart, keep clear of each other: 1, 2, 4, 8 … (a label on every
// line, every second, every fourth …), whole multiples of it being labelled, so the label at 0
// always stays.
long long labelStride(double pixelSpacing, double labelExtent);

// Whether the line numbered i carries a label at that stride.
bool carriesLabel(double i, long long stride);

template <class Draw>
void forEachGridLine(double from, double to, double pixelsPerStep, Draw&& draw) {
    const GridRun run = gridRun(from, to, pixelsPerStep);
    for (long long k = 0; k < run.count; ++k)
        draw(run.first + double(k) * run.stride);
}

} // namespace trelvix::graphics
