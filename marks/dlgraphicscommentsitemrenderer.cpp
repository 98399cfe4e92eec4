#include "dlgraphicscommentsitemrenderer.h"

#include "labeldrawing.h"

#include <QPainter>
#include <QTextCharFormat>
#include <QTextOption>

#include <algorithm>

DLGraphicsCommentsItemRenderer::DLGraphicsCommentsItemRenderer()
    : DLGraphicsTextDrawItemRenderer(CommentKind)
{
}

DLGraphicsCommentsItemRenderer::~DLGraphicsCommentsItemRenderer() = default;

void DLGraphicsCommentsItemRenderer::layout()
{
    layoutCallout();
}

void DLGraphicsCommentsItemRenderer::textChanged()
{
    m_textDirty = true;
}

void DLGraphicsCommentsItemRenderer::buildTextLayout()
{
    m_textLayout.reset();
    if (m_text.isEmpty()) {
        m_textRect = QRect();
        return;
    }
    // Line feeds become forced breaks inside one paragraph.
    QString text = m_text;
    text.replace(QChar(0x000A), QChar(QChar::LineSeparator));
    m_textLayout = std::make_unique<QTextLayout>(text, labelFont());
    QTextLayout::FormatRange whole;
    whole.start = 0;
    whole.length = text.length();
    whole.format = QTextCharFormat();
    m_textLayout->setFormats({whole});
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAnywhere);
    m_textLayout->setTextOption(option);
}

QRectF DLGraphicsCommentsItemRenderer::layoutLines(double lineWidth)
{
    m_lineWidth = lineWidth;
    m_textLayout->setCacheEnabled(true);
    m_textLayout->beginLayout();
    for (QTextLine line = m_textLayout->createLine(); line.isValid();
         line = m_textLayout->createLine()) {
        if (lineWidth > 0)
            line.setLineWidth(lineWidth);
    }
    m_textLayout->endLayout();

    double height = 0;
    double width = 0;
    for (int i = 0; i < m_textLayout->lineCount(); ++i) {
        QTextLine line = m_textLayout->lineAt(i);
        line.setPosition(QPointF(0, height));
        height += line.height();
        width = std::max(width, line.naturalTextWidth());
    }
    return QRectF(0, 0, width, height);
}

QRect DLGraphicsCommentsItemRenderer::textBoundingRect()
{
    if (m_textDirty) {
        m_textDirty = false;
        buildTextLayout();
        if (m_textLayout) {
            // An unset wrap width (below 1) becomes the natural width + 1, so the text
            // starts on one line.
            const bool unset = maxWidth() < 1.0;
            m_textRect = layoutLines(unset ? 0.0 : maxWidth()).toRect();
            if (unset)
                setMaxWidth(m_textRect.width() + 1);
        }
    }
    return m_textRect;
}

void DLGraphicsCommentsItemRenderer::relayoutText()
{
    // A long text takes long to break into lines: only a new width needs it.
    if (m_textLayout && maxWidth() != m_lineWidth)
        m_textRect = layoutLines(maxWidth()).toRect();
}

double DLGraphicsCommentsItemRenderer::maxWidthLimit() const
{
    // One line already shows all of it: widening further would only add empty space.
    if (m_textLayout && m_textLayout->lineCount() == 1)
        return m_textRect.width() + 1;
    return 100000000.0;
}

QPainterPath DLGraphicsCommentsItemRenderer::hitPath() const
{
    QPainterPath path = calloutPath(*this);
    path.addRect(m_endHandle);
    path.addRect(m_widthGrip);
    path.addRect(m_labelRect);
    return path;
}

void DLGraphicsCommentsItemRenderer::paint(QPainter *painter, bool hovered, bool selected)
{
    drawLeader(*this, painter, selected, hovered);

    painter->save();
    painter->setPen(penFor(selected));
    painter->setBrush(Qt::NoBrush);
    const QBrush handleFill = handleBrush(hovered, selected);
    painter->fillRect(m_endHandle, handleFill);
    painter->fillRect(m_widthGrip, handleFill);
    painter->drawRect(m_endHandle);
    painter->drawRect(m_widthGrip);

    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->fillRect(m_labelRect, style().labelBackgroundBrush);
    if (m_textLayout)
        drawLaidOutText(*m_textLayout, m_labelRect.topLeft(), painter);
    painter->restore();
}
