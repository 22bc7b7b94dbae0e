#pragma once

#include <QString>

// The popup's controls keep their places in proportion to the client area. The reference is
// always the layout at load, so resizing back and forth never accumulates rounding.

// A control's place in twips, relative to the form's client area.
struct TwipsGeometry {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const TwipsGeometry &) const = default;
};

// The client size and font at load, against which every later size is measured.
struct ResizeReference {
    int initScaleWidth = 0;
    int initScaleHeight = 0;
    float fontRatio = 0; // font points per twip of client height
};

// How much the client area has grown since the reference, across and down.
struct ResizeFactors {
    double across = 1;
    double down = 1;
};

// Throws an overflow error for a client area without height (it could scale nothing) or too
// large for a whole number of twips.
ResizeReference resizeReference(double scaleWidth, double scaleHeight, double fontPointSize);

// Throws an overflow error for a reference never recorded.
ResizeFactors resizeFactors(const ResizeReference &reference, double scaleWidth,
                            double scaleHeight);

// The record each control keeps in its Tag: left, top, width, height, each followed by one
// blank.
QString geometryTag(const TwipsGeometry &geometry);
// A number without its closing blank is read as 0, so an empty record gives four zeros.
TwipsGeometry geometryFromTag(const QString &tag);

TwipsGeometry scaledGeometry(const TwipsGeometry &recorded, const ResizeFactors &factors);
// Every control gets the same size: the form's font at load, scaled by the client height.
float scaledFontSize(const ResizeReference &reference, double scaleHeight);
