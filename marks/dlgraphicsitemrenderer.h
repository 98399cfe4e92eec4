#pragma once

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

    static void setColorAtHandler(ColorAtHandler handler);
    static void setMapPointHandler(MapPointHandler handler);
    static const ColorAtHandler &colorAtHandler();
    static const MapPointHandler &mapPointHandler();

    static void setMarkColor(QRgb color);
    static void setColorFormat(int format);
    static void setMacProfile(bool on);
    static void setLabelFont(const QFont &font);

    static QRgb markColor();
    static QRgb darkColor();
    static const QPen &markPen();
    static const QBrush &markBrush();
    static const QPen &darkMarkPen();
    static const QBrush &darkMarkBrush();
    static const QPen &hitPen();
    static const QPen &labelOutlinePen();
    static const QPen &whiteHaloPen();
    static const QBrush &labelBackgroundBrush();
    static const QFont &labelFont();
    static const QFontMetrics *labelFontMetrics();
    static int colorFormat();
    static bool macProfile();

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
    int m_hitPart = 0;
    DLGraphicsItemRendererNotifyHandle *m_owner = nullptr;

private:
    struct Style;
    static Style &style();
};
