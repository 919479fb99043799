#include "import/WmfPlayGuard.h"

#include <algorithm>
#include <cmath>
#include <utility>

WmfPlayGuard::WmfPlayGuard(wmfAPI* api, const QRectF& deviceFrame)
    : reach_(deviceFrame.adjusted(-deviceFrame.width(), -deviceFrame.height(), deviceFrame.width(),
                                  deviceFrame.height()))
{
    auto* functions = static_cast<wmfFunctionReference*>(api->function_reference);
    gd_ = *functions;
    api->user_data = this;
    functions->flood_interior = floodInterior;
    functions->flood_exterior = floodExterior;
    functions->draw_pixel = drawPixel;
    functions->draw_pie = drawPie;
    functions->draw_chord = drawChord;
    functions->draw_arc = drawArc;
    functions->draw_ellipse = drawEllipse;
    functions->draw_line = drawLine;
    functions->poly_line = polyLine;
    functions->draw_polygon = drawPolygon;
    functions->draw_polypolygon = drawPolyPolygon;
    functions->draw_rectangle = drawRectangle;
    functions->rop_draw = ropDraw;
    functions->bmp_draw = bmpDraw;
    functions->draw_text = drawText;
    functions->region_frame = regionFrame;
    functions->region_paint = regionPaint;
    functions->region_clip = regionClip;
}

WmfPlayGuard& WmfPlayGuard::of(wmfAPI* api)
{
    return *static_cast<WmfPlayGuard*>(api->user_data);
}

bool WmfPlayGuard::overTime(wmfAPI* api) const
{
    if (clock_.elapsed() <= kMaxPlayTimeMs)
        return false;
    api->err = wmf_E_Glitch;
    return true;
}

bool WmfPlayGuard::reaches(const wmfD_Coord& point) const
{
    // Written so that a NaN coordinate fails.
    return point.x >= reach_.left() && point.x <= reach_.right() && point.y >= reach_.top()
        && point.y <= reach_.bottom();
}

void WmfPlayGuard::clamp(wmfD_Coord& point) const
{
    if (std::isnan(point.x) || std::isnan(point.y)) {
        point = {float(reach_.left()), float(reach_.top())};
        return;
    }
    point.x = std::clamp(point.x, float(reach_.left()), float(reach_.right()));
    point.y = std::clamp(point.y, float(reach_.top()), float(reach_.bottom()));
}

bool WmfPlayGuard::arcReaches(const wmfDrawArc_t& arc) const
{
    return reaches(arc.TL) && reaches(arc.BR);
}

bool WmfPlayGuard::pointsReach(const wmfD_Coord* points, int count) const
{
    if (!points)
        return count == 0;
    return std::all_of(points, points + count, [this](const wmfD_Coord& point) { return reaches(point); });
}

// A clip of no rectangles, which lifts the clipping, comes without arrays.
bool WmfPlayGuard::rectanglesReach(const wmfPolyRectangle_t& rectangles) const
{
    const int count = static_cast<int>(rectangles.count);
    if (count == 0)
        return true;
    return rectangles.TL && rectangles.BR && pointsReach(rectangles.TL, count) && pointsReach(rectangles.BR, count);
}

void WmfPlayGuard::floodInterior(wmfAPI* api, wmfFlood_t*)
{
    of(api).overTime(api);
}

void WmfPlayGuard::floodExterior(wmfAPI* api, wmfFlood_t*)
{
    of(api).overTime(api);
}

void WmfPlayGuard::drawPixel(wmfAPI* api, wmfDrawPixel_t* pixel)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.reaches(pixel->pt))
        guard.gd_.draw_pixel(api, pixel);
}

void WmfPlayGuard::drawPie(wmfAPI* api, wmfDrawArc_t* arc)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.arcReaches(*arc))
        guard.gd_.draw_pie(api, arc);
}

void WmfPlayGuard::drawChord(wmfAPI* api, wmfDrawArc_t* arc)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.arcReaches(*arc))
        guard.gd_.draw_chord(api, arc);
}

void WmfPlayGuard::drawArc(wmfAPI* api, wmfDrawArc_t* arc)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.arcReaches(*arc))
        guard.gd_.draw_arc(api, arc);
}

void WmfPlayGuard::drawEllipse(wmfAPI* api, wmfDrawArc_t* arc)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.arcReaches(*arc))
        guard.gd_.draw_ellipse(api, arc);
}

void WmfPlayGuard::drawLine(wmfAPI* api, wmfDrawLine_t* line)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.reaches(line->from) && guard.reaches(line->to))
        guard.gd_.draw_line(api, line);
}

void WmfPlayGuard::polyLine(wmfAPI* api, wmfPolyLine_t* line)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.pointsReach(line->pt, line->count))
        guard.gd_.poly_line(api, line);
}

void WmfPlayGuard::drawPolygon(wmfAPI* api, wmfPolyLine_t* polygon)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.pointsReach(polygon->pt, polygon->count))
        guard.gd_.draw_polygon(api, polygon);
}

void WmfPlayGuard::drawPolyPolygon(wmfAPI* api, wmfPolyPoly_t* polygons)
{
    const WmfPlayGuard& guard = of(api);
    if (guard.overTime(api) || (polygons->npoly > 0 && (!polygons->pt || !polygons->count)))
        return;
    for (int i = 0; i < polygons->npoly; ++i) {
        if (!guard.pointsReach(polygons->pt[i], polygons->count[i]))
            return;
    }
    guard.gd_.draw_polypolygon(api, polygons);
}

void WmfPlayGuard::drawRectangle(wmfAPI* api, wmfDrawRectangle_t* rectangle)
{
    const WmfPlayGuard& guard = of(api);
    if (guard.overTime(api))
        return;
    // Rounded corners span at most the rectangle, which must not reach past the reach.
    if (!(std::abs(rectangle->width) <= guard.reach_.width() && std::abs(rectangle->height) <= guard.reach_.height()))
        return;
    guard.clamp(rectangle->TL);
    guard.clamp(rectangle->BR);
    // Under a negative extent the player hands the corners over turned round, and
    // the gd layer draws nothing from a right or bottom edge before the left or top.
    if (rectangle->TL.x > rectangle->BR.x)
        std::swap(rectangle->TL.x, rectangle->BR.x);
    if (rectangle->TL.y > rectangle->BR.y)
        std::swap(rectangle->TL.y, rectangle->BR.y);
    guard.gd_.draw_rectangle(api, rectangle);
}

void WmfPlayGuard::ropDraw(wmfAPI* api, wmfROP_Draw_t* rop)
{
    const WmfPlayGuard& guard = of(api);
    if (guard.overTime(api))
        return;
    guard.clamp(rop->TL);
    guard.clamp(rop->BR);
    guard.gd_.rop_draw(api, rop);
}

void WmfPlayGuard::bmpDraw(wmfAPI* api, wmfBMP_Draw_t* bitmap)
{
    const WmfPlayGuard& guard = of(api);
    if (guard.overTime(api) || !guard.reaches(bitmap->pt))
        return;
    const double width = std::abs(bitmap->crop.w * bitmap->pixel_width);
    const double height = std::abs(bitmap->crop.h * bitmap->pixel_height);
    if (width <= guard.reach_.width() && height <= guard.reach_.height())
        guard.gd_.bmp_draw(api, bitmap);
}

void WmfPlayGuard::drawText(wmfAPI* api, wmfDrawText_t* text)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.reaches(text->pt))
        guard.gd_.draw_text(api, text);
}

void WmfPlayGuard::regionFrame(wmfAPI* api, wmfPolyRectangle_t* rectangles)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.rectanglesReach(*rectangles))
        guard.gd_.region_frame(api, rectangles);
}

void WmfPlayGuard::regionPaint(wmfAPI* api, wmfPolyRectangle_t* rectangles)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.rectanglesReach(*rectangles))
        guard.gd_.region_paint(api, rectangles);
}

void WmfPlayGuard::regionClip(wmfAPI* api, wmfPolyRectangle_t* rectangles)
{
    const WmfPlayGuard& guard = of(api);
    if (!guard.overTime(api) && guard.rectanglesReach(*rectangles))
        guard.gd_.region_clip(api, rectangles);
}
