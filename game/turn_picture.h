#pragma once

// What the picture shows of a turn: a read-only view of the turn state. Every value is in
// range: notes 0..7, Length() 3..8, EnteredCount() 0..8, Feedback() 0..2; i is 0..11 and k 0..7.
class CTurnPicture
{
public:
    virtual int Melody(int i) const = 0;
    virtual int Entered(int i) const = 0;
    virtual int Length() const = 0;
    virtual int EnteredCount() const = 0; // notes entered in this attempt, shown as smileys
    virtual int Feedback() const = 0; // which judgement texts (0..2)
    virtual bool IsKeyDown(int k) const = 0;
    virtual bool IsShowingResult() const = 0; // the judgement stands where the keyboard was
    virtual bool IsCorrect() const = 0; // the verdict of the last judgement
    virtual bool IsShowingLevel() const = 0; // the level banner is up

protected:
    ~CTurnPicture() = default;
};
