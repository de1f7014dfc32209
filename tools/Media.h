#pragma once
// The documents, spoken commentaries and videos of the demonstration data
// set, built from the plain-text sources in dataset/:
//   documentos/resultado/<stem>.txt    → ResultadoVid/<stem>1.rtf
//   documentos/tratamiento/<stem>.txt  → Tratamiento/<stem>2.rtf
//   the first paragraph of each result document, spoken with espeak-ng's
//   Spanish voice                     → mp3d/<stem>.mp3
//   videos/videoNN.txt (slides separated by "---", narrated)
//                                      → Videos/videoNN.mpg
// Only what changed is built again: each output remembers (under
// <base>/.fuentes) the source it was made from.

#include <QString>

namespace Media {

bool buildDocuments(const QString &sources, const QString &base);
bool buildAudio(const QString &sources, const QString &base);
bool buildVideos(const QString &sources, const QString &base);

// The text read aloud for a result document: its title and first paragraph,
// without the markup.
QString narration(const QString &markup);

}  // namespace Media
