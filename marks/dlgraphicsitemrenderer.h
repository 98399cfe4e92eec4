#pragma once

#include "dlmarktypes.h"

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QRgb>
#include <QString>

#include <functional>
#include <memory>

class DLGraphicsItemRendererNotifyHandle;
class QPainter;

// Base of every mark renderer: the points, geometry, hit testing and painting of one mark.
// Also holds the process-wide drawing style and the two callbacks all marks share.
class DLGraphicsItemRenderer
{
public:
    using ColorAtHandler = std::function<unsigned int(QPointF)>;
    using MapPointHandler = std::function<QPointF(QPointF, double)>;

    DLGraphicsItemRenderer() = default;
    DLGraphicsItemRenderer(const DLGraphicsItemRenderer &) = delete;
    DLGraphicsItemRenderer &operator=(const DLGraphicsItemRenderer &) = delete;
    virtual ~DLGraphicsItemRenderer() = default;

    virtual void init(DLGraphicsItemRendererNotifyHandle *owner, const QPointF &p1,
        const QPointF &p2, QString text, double widthValue);
    virtual bool isValid() const;
    virtual bool movedSincePress(const QPointF &point) const;
    virtual void settingsChanged(int mask);
    virtual int hitTest(const QPointF &scenePoint);
    virtual void mousePress(const QPointF &point, int part);
    virtual void mouseMove(const QPointF &point, int part);
    virtual void mouseRelease(const QPointF &point, int part);
    virtual QPointF mapToLocal(const QPointF &point) const;
    virtual QPointF mapFromLocal(const QPointF &point) const;
    virtual void setMaxWidth(double width);
    virtual double maxWidth() const;
    virtual double maxWidthLimit() const;
    virtual void paint(QPainter *painter, bool hovered, bool selected) = 0;
    virtual void updateGeometry();
    virtual void layout() = 0;
    virtual void refreshLabel();
    virtual QRect textBoundingRect();
    virtual void textChanged();
    virtual QPainterPath hitPath() const;

    QPointF firstPoint() const { return m_firstPoint; }
    QPointF secondPoint() const { return m_secondPoint; }
    void setFirstPoint(const QPointF &p) { m_firstPoint = p; }
    void setSecondPoint(const QPointF &p) { m_secondPoint = p; }
    QPointF localFirstPoint() const { return m_localFirstPoint; }
    QPointF localSecondPoint() const { return m_localSecondPoint; }
    QPointF pressFirstPoint() const { return m_pressFirstPoint; }
    QPointF pressSecondPoint() const { return m_pressSecondPoint; }
    QPointF pressPoint() const { return m_pressPoint; }
    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    QRectF labelRect() const { return m_labelRect; }
    QRectF boundingRect() const { return m_boundingRect; }
    bool isPressed() const { return m_pressed; }
    // Ends a drag that changed nothing, without any of mouseRelease()'s work.
    void cancelPress() { m_pressed = false; }
    int hitPart() const { return m_hitPart; }
    void setHitPart(int part) { m_hitPart = part; }
    DLGraphicsItemRendererNotifyHandle *owner() const { return m_owner; }

    // The drawing style every mark shares, and the scene's two callbacks.
    struct Style
    {
        QRgb markColor = 0xFFFF0000;
        QRgb darkColor = 0xFFF00000;
        QPen markPen;
        QBrush markBrush;
        QPen darkMarkPen;
        QBrush darkMarkBrush;
        QPen hitPen;
        QPen labelOutlinePen;
        QPen whiteHaloPen;
        QBrush labelBackgroundBrush {QColor(255, 255, 255, 180), Qt::SolidPattern};
        QFont labelFont;
        std::unique_ptr<QFontMetrics> labelFontMetrics;
        int colorFormat = 0;
        bool macProfile = false;
        ColorAtHandler colorAtHandler;
        MapPointHandler mapPointHandler;
    };
    static const Style &style();

    static void setColorAtHandler(ColorAtHandler handler);
    static void setMapPointHandler(MapPointHandler handler);
    static void setMarkColor(QRgb color);
    static void setColorFormat(int format);
    static void setMacProfile(bool on);
    static void setLabelFont(const QFont &font);

    static QRgb markColor() { return style().markColor; }
    static QRgb darkColor() { return style().darkColor; }
    static const QPen &darkMarkPen() { return style().darkMarkPen; }
    static const QFont &labelFont() { return style().labelFont; }
    // Selected marks are drawn in the dark shade of the mark colour.
    static const QPen &penFor(bool selected);
    static const QBrush &brushFor(bool selected);

    // A hovered mark that is neither selected nor dragged is underlaid with a white halo.
    bool showsHoverHalo(bool hovered, bool selected) const;
    // Handles are white under the halo, else in the mark colour.
    QBrush handleBrush(bool hovered, bool selected) const;

protected:
    QPointF m_firstPoint;
    QPointF m_secondPoint;
    QPointF m_localFirstPoint;
    QPointF m_localSecondPoint;
    QPointF m_pressFirstPoint;
    QPointF m_pressSecondPoint;
    QPointF m_pressPoint;
    QPointF m_pressItemPos;
    QString m_text;
    QRectF m_labelRect;
    double m_widthValue = -1.0;
    QRectF m_boundingRect;
    bool m_pressed = false;
    int m_hitPart = HitNone;
    DLGraphicsItemRendererNotifyHandle *m_owner = nullptr;

    // Orders the points into first = top left, second = bottom right, then lays out again.
    void setOrderedPoints(const QPointF &a, const QPointF &b);
    // A handle square as length and rectangle marks draw it, with the current pen and brush.
    static void drawHandle(QPainter *painter, const QRectF &handle);

private:
    static Style &mutableStyle();
};
