#include "Vector.h"

#include <cmath>

Vector::Vector(float a, float b, int system)
{
    if (system == 1) {
        m_x = 1.0f;
        setLength(a);
        rotate(b);
    } else {
        m_x = a;
        m_y = b;
    }
}

float Vector::length() const
{
    return std::sqrt(m_x * m_x + m_y * m_y);
}

float Vector::angle() const
{
    return static_cast<float>(std::atan2(m_y, m_x) * radiansToDegrees);
}

void Vector::setLength(float l)
{
    if (l == 0.0f) {
        clear();
        return;
    }
    const float current = length();
    if (current == 0.0f) {
        m_x = l;
        m_y = 0.0f;
        return;
    }
    m_x = m_x * l / current;
    m_y = l * m_y / current;
}

void Vector::setAngle(float degrees)
{
    const float l = length();
    const double radians = static_cast<double>(degrees) * degreesToRadians;
    m_x = static_cast<float>(l * std::cos(radians));
    m_y = static_cast<float>(l * std::sin(radians));
}

void Vector::rotate(float degrees)
{
    const float r = degrees * degreesToRadians;
    const float c = std::cos(r);
    const float s = std::sin(r);
    const float oldX = m_x;
    const float oldY = m_y;
    m_x = c * oldX - s * oldY;
    m_y = s * oldX + c * oldY;
}

void Vector::clear()
{
    m_x = 0.0f;
    m_y = 0.0f;
}

Vector& Vector::operator+=(const Vector& other)
{
    m_x += other.m_x;
    m_y += other.m_y;
    return *this;
}

Vector& Vector::operator-=(const Vector& other)
{
    m_x -= other.m_x;
    m_y -= other.m_y;
    return *this;
}

Vector& Vector::operator*=(float s)
{
    m_x *= s;
    m_y *= s;
    return *this;
}

Vector Vector::operator+(const Vector& other) const
{
    Vector sum = *this;
    sum += other;
    return sum;
}

Vector Vector::operator*(float s) const
{
    Vector scaled = *this;
    scaled *= s;
    return scaled;
}

bool Vector::operator!=(const Vector& other) const
{
    return !(m_x == other.m_x) || !(m_y == other.m_y);
}

float scalarProduct(const Vector& a, const Vector& b)
{
    return a.x() * b.x() + a.y() * b.y();
}
