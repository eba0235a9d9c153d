#pragma once

class QWidget;

// The two settings screens set side by side: ours and the stock peer.
enum class PeerScreen { Ours, Stock };

// Built, polished and laid out: ready for its first paint.
QWidget *buildPeerScreen(PeerScreen kind);
