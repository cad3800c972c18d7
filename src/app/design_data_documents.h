#pragma once

// The three reference documents of the Design Data page, as rich text with ruled tables:
// transformer and motor full-load currents and conductor ampacities.

#include <QString>

enum class DesignDocument
{
    Transformers,
    Motors,
    WireAmpacities,
};

QString designDocumentHtml(DesignDocument document);
