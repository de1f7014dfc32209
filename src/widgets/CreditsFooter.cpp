#include "widgets/CreditsFooter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QHBoxLayout *creditsFooter(QWidget *parent, QPushButton *back, QPushButton *end, const QString &photosCredit)
{
    auto *texts = new QLabel(QStringLiteral("Textos redactados por el equipo de Sarmo para su conjunto de datos de "
                                            "demostración, a partir de la bibliografía técnica de sanidad vegetal "
                                            "de la vid."),
                             parent);
    texts->setObjectName(QStringLiteral("Label3"));
    auto *photos = new QLabel(photosCredit, parent);
    photos->setObjectName(QStringLiteral("Label4"));
    auto *credits = new QVBoxLayout;
    for (QLabel *l : {texts, photos}) {
        l->setWordWrap(true);
        QFont small = l->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        l->setFont(small);
        credits->addWidget(l);
    }
    auto *row = new QHBoxLayout;
    row->addWidget(back);
    row->addSpacing(12);
    row->addLayout(credits, 1);
    row->addSpacing(12);
    row->addWidget(end);
    return row;
}
