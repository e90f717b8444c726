#pragma once

// Two-dimensional value of vector slots and vector blocks. Angles are degrees,
// counter-clockwise from the positive x axis.
class Vector
{
public:
    static constexpr float degreesToRadians = 0.01745329238474369f;
    static constexpr float radiansToDegrees = 57.2957763671875f;

    Vector() = default;
    // system 0: cartesian (a, b); system 1: polar, length a at angle b.
    Vector(float a, float b, int system);

    float x() const { return m_x; }
    float y() const { return m_y; }
    void setX(float x) { m_x = x; }
    void setY(float y) { m_y = y; }

    float length() const;
    float angle() const;
    void setLength(float l);
    void setAngle(float degrees);
    void rotate(float degrees);
    void clear();

    Vector& operator+=(const Vector& other);
    Vector& operator-=(const Vector& other);
    Vector& operator*=(float s);
    Vector operator+(const Vector& other) const;
    Vector operator*(float s) const;
    bool operator!=(const Vector& other) const;

private:
    float m_x = 0.0f;
    float m_y = 0.0f;
};

float scalarProduct(const Vector& a, const Vector& b);
