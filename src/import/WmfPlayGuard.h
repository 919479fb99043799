#pragma once
// Limits on what a metafile may make libwmf's gd layer draw: where, and for how long.
//
// The gd layer loops over every pixel of a shape before clipping it, so a shape
// far outside the picture costs time in proportion to its size, not to what shows.
// The guard sits between the player and the gd functions:
//
//   reach = the frame, grown by its own width and height on every side
//   fills (rectangles, raster operations)  clamped to the reach; rectangles
//                                          with their corners in order
//   other shapes, bitmaps, text            drawn only when inside the reach
//   flood fills                            not drawn: gd floods by recursion
//   after kMaxPlayTime                     the player is stopped with an error

#include <QElapsedTimer>
#include <QRectF>

#include <libwmf/api.h>
#include <libwmf/ipa.h>

class WmfPlayGuard {
public:
    static constexpr qint64 kMaxPlayTimeMs = 2000;

    // Replaces the drawing functions of a player created with wmf_gd_function.
    // The guard must outlive the player's playing.
    WmfPlayGuard(wmfAPI* api, const QRectF& deviceFrame);

    // Starts the clock; call right before wmf_play.
    void start() { clock_.start(); }

private:
    static WmfPlayGuard& of(wmfAPI* api);
    bool overTime(wmfAPI* api) const;
    bool reaches(const wmfD_Coord& point) const;
    void clamp(wmfD_Coord& point) const;

    static void floodInterior(wmfAPI*, wmfFlood_t*);
    static void floodExterior(wmfAPI*, wmfFlood_t*);
    static void drawPixel(wmfAPI*, wmfDrawPixel_t*);
    static void drawPie(wmfAPI*, wmfDrawArc_t*);
    static void drawChord(wmfAPI*, wmfDrawArc_t*);
    static void drawArc(wmfAPI*, wmfDrawArc_t*);
    static void drawEllipse(wmfAPI*, wmfDrawArc_t*);
    static void drawLine(wmfAPI*, wmfDrawLine_t*);
    static void polyLine(wmfAPI*, wmfPolyLine_t*);
    static void drawPolygon(wmfAPI*, wmfPolyLine_t*);
    static void drawPolyPolygon(wmfAPI*, wmfPolyPoly_t*);
    static void drawRectangle(wmfAPI*, wmfDrawRectangle_t*);
    static void ropDraw(wmfAPI*, wmfROP_Draw_t*);
    static void bmpDraw(wmfAPI*, wmfBMP_Draw_t*);
    static void drawText(wmfAPI*, wmfDrawText_t*);
    static void regionFrame(wmfAPI*, wmfPolyRectangle_t*);
    static void regionPaint(wmfAPI*, wmfPolyRectangle_t*);
    static void regionClip(wmfAPI*, wmfPolyRectangle_t*);

    bool arcReaches(const wmfDrawArc_t& arc) const;
    bool pointsReach(const wmfD_Coord* points, int count) const;
    bool rectanglesReach(const wmfPolyRectangle_t& rectangles) const;

    wmfFunctionReference gd_;  // the gd layer's own functions
    QRectF reach_;
    QElapsedTimer clock_;
};
