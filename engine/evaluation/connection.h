// The link between two strings of one colour that the connection passes
// consider: whether the owner keeps them joined.  A record is listed on both
// of its strings and is owned by the pair.
#pragma once

class str;
class point;

class connection {
public:
    connection(str* first, str* second);
    ~connection();
    connection(const connection&) = delete;
    connection& operator=(const connection&) = delete;

    str* first;
    str* second;
    // On the strings' status scale: not connected or connected, 0 never
    // read.  Groups are built over the records of at least counted_to_move
    // for the side to move, of connected for the other side.
    static constexpr int not_connected = 1;
    static constexpr int connected = 6;
    static constexpr int counted_to_move = 4;
    int status = 0;
    int previous_status = 0;  // status at the last snapshot

    // The other end of the record seen from s.
    str* other_end(const str* s) const { return s == first ? second : first; }
    // The string s is going away.
    void disable(const str* s);
    void remember() { previous_status = status; }
    // Whether the verdict must be worked out again after move_point was
    // played (the pass point for a pass): the move came near either string,
    // or a status changed in or around them since the last snapshot.
    // Otherwise the verdict of the snapshot still holds.
    bool needs_reevaluation(const point* move_point) const;
};

// The string's status differs from the one its stones remembered at the
// last snapshot.
bool status_changed(const str* s);
